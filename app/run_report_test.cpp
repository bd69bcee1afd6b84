#include "app/run_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/builtin_scenario.h"
#include "common/exit_status.h"
#include "compiler/output/compile.h"
#include "test_support/files.h"

namespace scenario {
namespace {

// A compilation that raised `errors` (code and position, none for 0), with
// or without a track model.
Stato raised(const std::vector<std::pair<ErrorCode, int32_t>>& errors, bool track_model = true) {
  Stato s;
  if (track_model) create_track(s, 1000);
  for (const auto& [code, position] : errors) {
    const Stage stage = is_header_fault(code) ? Stage::kHeaderCheck : Stage::kTrainReading;
    s.errori.raise(code, stage, Place{}, {.position = position ? std::optional<int32_t>(position) : std::nullopt});
  }
  return s;
}

TEST(ReportRun, StatusAndMessageForEachOutcome) {
  const struct {
    const char* name;
    CompileOutcome outcome;
    Stato state;
    int status;
    const char* message;
  } cases[] = {
      {"clean run", {}, raised({}), builder_exit::kOk, ""},
      {"file not written", {IoError{"/p/Montebrisca_Lurna_linea.dat", "File too large"}, {}}, raised({}),
       builder_exit::kIo, "montebrisca_lurna: /p/Montebrisca_Lurna_linea.dat: File too large\n"},
      {"recorded error", {}, raised({{ErrorCode::kBeyondTrack, 109950}}), builder_exit::kData,
       " Errore n. 15 a 109950 m\n"},
      {"header check", {}, raised({{ErrorCode::kHeaderValuesInUse, 0}}), builder_exit::kData, " Errore n. 1250\n"},
      {"no track model", {}, raised({{ErrorCode::kNoGeneralSection, 0}}, false), builder_exit::kData,
       " Errore n. 102\n"},
      {"header check after a recorded error", {},
       raised({{ErrorCode::kStationsTooClose, 8050}, {ErrorCode::kHeaderCodesInUse, 0}}), builder_exit::kData,
       " Errore n. 22 a 8050 m\n Errore n. 1251\n"},
      // An error without a position of its own shows where an earlier one was.
      {"a later error keeps the earlier position", {},
       raised({{ErrorCode::kBeyondTrack, 6000}, {ErrorCode::kProgressiveOffGrid, 0}}), builder_exit::kData,
       " Errore n. 2 a 6000 m\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(report_run(c.outcome, c.state, err), c.status) << c.name;
    EXPECT_EQ(err.str(), c.message) << c.name;
  }
}

// A data error found by the compiler reaches the report: the run that wrote
// its files all the same does not pass for a clean one.
TEST(ReportRun, ACompiledScenarioWithARecordedErrorFails) {
  const std::string line = testing::read_file(TESTDATA_DIR "/line/basic_linea.txt");
  std::string train = testing::read_file(TESTDATA_DIR "/train/short_run.txt");
  train.replace(train.find("stazione,    8050"), 17, "stazione,    8060");
  Stato s;
  s.nome = kScenarioName;
  s.treno = kTrainNumber;
  compile_texts(s, DescriptionText::of(line), DescriptionText::of(train), {});

  std::ostringstream err;
  EXPECT_EQ(report_run({}, s, err), builder_exit::kData);
  EXPECT_EQ(err.str(), " Errore n. 8 a 8060 m\n");
}

}  // namespace
}  // namespace scenario
