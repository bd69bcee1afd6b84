#include "compiler/output/memorizza_percorso.h"

#include <gtest/gtest.h>

#include "common/test_support.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

constexpr const char* kLine =
    "[generale]\r\nlunghezza percorso,    3000\r\n[curve]\r\ncurvad4,  500,  100\r\n%s[fine]\r\n";
constexpr const char* kTrain = "[generale]\r\nvelocita,       0,    80\r\naderenza,       0,    90\r\n%s[fine]\r\n";

std::string with_rows(const char* pattern, const std::string& rows) {
  std::string text = pattern;
  return text.replace(text.find("%s"), 2, rows);
}

class Compilation : public ::testing::Test {
 protected:
  CompileOutcome compile(const std::string& line, const std::string& train, int32_t j = 1) {
    if (!line.empty()) write_file(names_.linea_txt, line);
    write_file(names_.treno_txt, train);
    stato_ = Stato{};
    stato_.nome = "N";
    stato_.treno = "1";
    return memorizza_percorso(stato_, j, {names_.linea_txt, names_.treno_txt, true}, names_);
  }
  testing::TempDir dir_;
  FileNames names_ = file_names(dir_.path(), "N", "1");
  Stato stato_;
};

TEST_F(Compilation, OccupiedHeaderSlotsWriteNothingAndKeepEarlierFiles) {
  ASSERT_EQ(compile(with_rows(kLine, ""), with_rows(kTrain, "")).fatal, 0);
  const std::string geometry = read_file(names_.linea_dat), records = read_file(names_.sim),
                    track = read_file(names_.dat);

  const struct {
    const char* what;
    std::string line, train;
    int32_t fatal;
  } cases[] = {
      {"sign text slot in cell 1", with_rows(kLine, "cartello_indicatore,  0,   (A)(B)\r\n"), with_rows(kTrain, ""),
       1250},
      {"signal's second aspect in cell 1", with_rows(kLine, ""),
       with_rows(kTrain, "segnale,       0,   1, 0, 4,  0, 0,    0,  0,0,0, 0\r\n"), 1251},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compile(c.line, c.train).fatal, c.fatal) << c.what;
    EXPECT_EQ(read_file(names_.linea_dat), geometry) << c.what;
    EXPECT_EQ(read_file(names_.sim), records) << c.what;
    EXPECT_EQ(read_file(names_.dat), track) << c.what;
  }
}

TEST_F(Compilation, WithoutATrackModelNothingIsCompiled) {
  const struct {
    const char* what;
    std::string line;
    int32_t fatal;
  } cases[] = {
      {"no line description", "", 101},
      {"no general section", "lunghezza percorso, 3000\r\n[fine]\r\n", 102},
      {"route too long", "[generale]\r\nlunghezza percorso, 1000001\r\n[fine]\r\n", 1},
      {"no route length", "[generale]\r\nsfondo uno, 1\r\n[curve]\r\npendenza, 0, 1\r\n[fine]\r\n", 25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compile(c.line, with_rows(kTrain, "")).fatal, c.fatal) << c.what;
    EXPECT_EQ(stato_.codice_errore, c.fatal) << c.what;
    EXPECT_FALSE(fs::exists(names_.dat)) << c.what;
    EXPECT_FALSE(fs::exists(names_.sim)) << c.what;
  }
}

TEST_F(Compilation, WithoutGeometryOnlyRecordsAndTrackAreWritten) {
  const auto outcome = compile(with_rows(kLine, ""), with_rows(kTrain, ""), 0);
  EXPECT_EQ(outcome.fatal, 0);
  EXPECT_FALSE(fs::exists(names_.linea_dat));
  EXPECT_EQ(read_file(names_.dat).size(), 15u * 201);
  EXPECT_FALSE(stato_.modello.tracciato.exists());
}

TEST_F(Compilation, RecordedErrorsStillWriteTheFiles) {
  // Two signals on one cell: error 16 is recorded, the compilation goes on.
  const std::string rows =
      "segnale,    1000,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\nsegnale,    1010,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n";
  const auto outcome = compile(with_rows(kLine, ""), with_rows(kTrain, rows));
  EXPECT_EQ(outcome.fatal, 0);
  EXPECT_EQ(stato_.codice_errore, 16);
  EXPECT_EQ(stato_.posizione_errore, 1010);
  EXPECT_TRUE(fs::exists(names_.dat));
  EXPECT_FALSE(fs::exists(names_.linea_txt));
  EXPECT_FALSE(fs::exists(names_.treno_txt));
}

}  // namespace
}  // namespace scenario
