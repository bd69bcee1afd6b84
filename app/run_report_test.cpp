#include "app/run_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/test_support.h"
#include "compiler/output/memorizza_percorso.h"

namespace scenario {
namespace {

Stato with_error(int32_t codice, int32_t posizione) {
  Stato s;
  s.codice_errore = codice;
  s.posizione_errore = posizione;
  return s;
}

TEST(ReportRun, StatusAndMessageForEachOutcome) {
  const struct {
    const char* name;
    RunOutcome outcome;
    Stato stato;
    int status;
    const char* message;
  } cases[] = {
      {"clean run", {}, {}, kExitOk, ""},
      {"file not written", {IoError{"/p/Montebrisca_Lurna_linea.dat", "File too large"}, 0}, {}, kExitIo,
       "montebrisca_lurna: /p/Montebrisca_Lurna_linea.dat: File too large\n"},
      {"recorded error", {}, with_error(15, 109950), kExitDataError, " Errore n. 15 a 109950 m\n"},
      {"header check", {std::nullopt, 1250}, {}, kExitDataError, " Errore n. 1250\n"},
      {"no track model", {std::nullopt, 102}, with_error(102, 0), kExitDataError, " Errore n. 102\n"},
      {"header check after a recorded error", {std::nullopt, 1251}, with_error(22, 8050), kExitDataError,
       " Errore n. 22 a 8050 m\n Errore n. 1251\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(report_run(c.outcome, c.stato, err), c.status) << c.name;
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
  const RunOutcome outcome{std::nullopt, compile_texts(s, 1, line, train)};

  std::ostringstream err;
  EXPECT_EQ(report_run(outcome, s, err), kExitDataError);
  EXPECT_EQ(err.str(), " Errore n. 8 a 8060 m\n");
}

}  // namespace
}  // namespace scenario
