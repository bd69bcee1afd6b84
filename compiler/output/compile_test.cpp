// The one compilation path: descriptions loaded, compiled, the files written
// only when the model is not refused, the descriptions deleted only when
// asked. A recorded data error does not stop the compiled files from being
// written.
#include "compiler/output/compile.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "compiler/output/compiled_files.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::write_file;

std::string fixture(const char* name) { return read_file(fs::path(TESTDATA_DIR) / name); }

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

constexpr const char* kLine =
    "[generale]\r\nlunghezza percorso,    3000\r\n[curve]\r\ncurvad4,  500,  100\r\n%s[fine]\r\n";
constexpr const char* kTrain = "[generale]\r\nvelocita,       0,    80\r\naderenza,       0,    90\r\n%s[fine]\r\n";

std::string with_rows(const char* pattern, const std::string& rows) {
  std::string text = pattern;
  return text.replace(text.find("%s"), 2, rows);
}

CompileOptions geometry(bool on) {
  CompileOptions o;
  o.build_geometry = on;
  return o;
}

CompileOptions deleting() {
  CompileOptions o;
  o.delete_descriptions = true;
  return o;
}

class Compilation : public ::testing::Test {
 protected:
  // Compiles the two texts from files (no line description when `line` is
  // empty).
  CompileOutcome compile(const std::string& line, const std::string& train, CompileOptions options = {}) {
    if (!line.empty()) write_file(names_.linea_txt, line);
    write_file(names_.treno_txt, train);
    state_ = CompilationState{};
    state_.nome = "N";
    state_.treno = "1";
    return compile_scenario(state_, {names_.linea_txt, names_.treno_txt}, names_, options);
  }
  testing::TempDir dir_;
  FileNames names_ = file_names(dir_.path(), "N", "1");
  CompilationState state_;
};

// The files written are the serialised model, in their order; without the
// geometry only the records and the track.
TEST_F(Compilation, TheFilesWrittenAreTheCompiledModel) {
  const struct {
    const char* name;
    std::string linea, treno;
    bool geometry;
    int32_t codice_errore;
  } cases[] = {
      {"built-in scenario", fixture("builtin/Montebrisca_Lurna_linea.txt"),
       fixture("builtin/Montebrisca_Lurna_7395-.txt"), true, 0},
      {"fixtures", fixture("line/basic_linea.txt"), fixture("train/short_run.txt"), true, 0},
      {"fixtures without geometry", fixture("line/basic_linea.txt"), fixture("train/short_run.txt"), false, 0},
      // A station off the 50 m grid is recorded; the files are written all the same.
      {"station off the grid", fixture("line/basic_linea.txt"),
       replaced(fixture("train/short_run.txt"), "stazione,    8050", "stazione,    8060"), true, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CompileOutcome outcome = compile(c.linea, c.treno, geometry(c.geometry));
    ASSERT_FALSE(outcome.io_error);
    EXPECT_EQ(fatal_error(state_), 0);
    EXPECT_EQ(state_.codice_errore(), c.codice_errore);
    std::vector<fs::path> written = {names_.sim, names_.dat};
    if (c.geometry) written.insert(written.begin(), names_.linea_dat);
    EXPECT_EQ(outcome.written, written);
    EXPECT_EQ(read_file(names_.sim), records_bytes(state_.model.record));
    EXPECT_EQ(read_file(names_.dat), track_bytes(state_.model.celle));
    if (c.geometry) {
      EXPECT_EQ(read_file(names_.linea_dat), geometry_bytes(state_.model.geometry));
    } else {
      EXPECT_FALSE(fs::exists(names_.linea_dat));
      EXPECT_FALSE(state_.model.geometry.exists());
    }
    fs::remove(names_.linea_dat);
  }
}

TEST_F(Compilation, OccupiedHeaderSlotsWriteNothingAndKeepEarlierFiles) {
  ASSERT_EQ(compile(with_rows(kLine, ""), with_rows(kTrain, "")).written.size(), 3u);
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
    const CompileOutcome outcome = compile(c.line, c.train);
    EXPECT_EQ(fatal_error(state_), c.fatal) << c.what;
    EXPECT_TRUE(outcome.written.empty()) << c.what;
    EXPECT_EQ(state_.codice_errore(), 0) << c.what;  // a header fault is no recorded error
    // The codes are not stamped into a refused model.
    EXPECT_EQ(state_.model.record[85].orario, 0) << c.what;
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
    EXPECT_TRUE(compile(c.line, with_rows(kTrain, "")).written.empty()) << c.what;
    EXPECT_EQ(fatal_error(state_), c.fatal) << c.what;
    EXPECT_EQ(state_.codice_errore(), c.fatal) << c.what;
    EXPECT_FALSE(fs::exists(names_.dat)) << c.what;
    EXPECT_FALSE(fs::exists(names_.sim)) << c.what;
  }
}

TEST_F(Compilation, RecordedErrorsStillWriteTheFiles) {
  // Two signals on one cell: error 16 is recorded, the compilation goes on.
  const std::string rows =
      "segnale,    1000,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\nsegnale,    1010,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n";
  compile(with_rows(kLine, ""), with_rows(kTrain, rows), deleting());
  EXPECT_EQ(fatal_error(state_), 0);
  EXPECT_EQ(state_.codice_errore(), 16);
  EXPECT_EQ(state_.posizione_errore(), 1010);
  EXPECT_TRUE(fs::exists(names_.dat));
  EXPECT_FALSE(fs::exists(names_.linea_txt));
  EXPECT_FALSE(fs::exists(names_.treno_txt));
}

// Which descriptions are deleted follows how far the reading got: a missing
// line description leaves both, a line that stops the reading leaves the
// train description unread and in place, a reading failure of either takes
// both. The author tools delete nothing.
TEST_F(Compilation, DescriptionsAreDeletedAsFarAsTheyWereRead) {
  const std::string train = with_rows(kTrain, "");
  const struct {
    const char* what;
    std::string line, train;  // empty: no such file
    bool line_left, train_left;
  } cases[] = {
      {"clean", with_rows(kLine, ""), train, false, false},
      {"no line description", "", train, false, true},
      {"no general section", "[curve]\r\n[fine]\r\n", train, false, true},
      {"a sign on a sign", with_rows(kLine, "cartello_indicatore, 2900, (a)\r\ncartello_indicatore, 2910, (b)\r\n"),
       train, false, true},
      {"a gradient beyond the track: the train is still read", with_rows(kLine, "pendenza, 9950, 5\r\n"), train,
       false, false},
      {"line reading failure", with_rows(kLine, "pendenza, 1500, x5\r\n"), train, false, false},
      {"train stopped", with_rows(kLine, ""), with_rows(kTrain, "stazione, 25\r\n"), false, false},
      {"train reading failure", with_rows(kLine, ""), with_rows(kTrain, "vetture, x\r\n"), false, false},
      {"no train description", with_rows(kLine, ""), "", false, false},
  };
  for (const bool builder : {true, false}) {
    for (const auto& c : cases) {
      if (!c.line.empty()) write_file(names_.linea_txt, c.line);
      if (!c.train.empty()) write_file(names_.treno_txt, c.train);
      state_ = CompilationState{};
      compile_scenario(state_, {names_.linea_txt, names_.treno_txt}, names_, builder ? deleting() : CompileOptions{});
      EXPECT_EQ(fs::exists(names_.linea_txt), builder ? c.line_left : !c.line.empty()) << c.what;
      EXPECT_EQ(fs::exists(names_.treno_txt), builder ? c.train_left : !c.train.empty()) << c.what;
      fs::remove(names_.linea_txt);
      fs::remove(names_.treno_txt);
    }
  }
}

// A second route length that is refused (negative: error 25; too long:
// error 1) comes after the model was made from the first: the compilation
// goes on with that model and writes its files, the error recorded.
TEST(CompileTexts, ARefusedSecondRouteLengthKeepsTheFirstModel) {
  const std::string line = fixture("line/route_length_refused.txt");
  const std::string train = fixture("train/short_run.txt");
  const struct {
    std::string linea;
    int32_t codice_errore;
  } cases[] = {{line, 25}, {replaced(line, "-5", "2000000"), 1}};
  for (const auto& c : cases) {
    CompilationState s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    compile_texts(s, DescriptionText::of(c.linea), DescriptionText::of(train), {});
    EXPECT_EQ(fatal_error(s), 0);
    EXPECT_EQ(s.codice_errore(), c.codice_errore);
    EXPECT_EQ(s.model.last_cell, 540);  // (20000 + 7000) / 50
    EXPECT_EQ(track_bytes(s.model.celle).size(), 15u * 541);
    EXPECT_EQ(s.model.geometry.x.size(), 27001u);
  }
}

// Nothing of an earlier compilation in the same state survives.
TEST(CompileTexts, EachCompilationStartsAfresh) {
  CompilationState s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  compile_texts(s, DescriptionText::of(fixture("line/basic_linea.txt")),
                DescriptionText::of(replaced(fixture("train/short_run.txt"), "8050", "8060")), {});
  ASSERT_EQ(s.codice_errore(), 8);
  compile_texts(s, DescriptionText::of(fixture("line/basic_linea.txt")),
                DescriptionText::of(fixture("train/short_run.txt")), geometry(false));
  EXPECT_EQ(s.codice_errore(), 0);
  EXPECT_TRUE(s.errors.empty());
  EXPECT_EQ(s.nome, "Montebrisca_Lurna");
  EXPECT_FALSE(s.model.geometry.exists());
  EXPECT_EQ(s.rows_read.stations, 3);
}

// A description that opens but fails on reading (here a file whose first
// read is an input/output error) is a reading failure, error 25, like any
// other: it never escapes the compilation as an exception.
TEST(CompileScenario, ADescriptionThatFailsOnReadingIsError25) {
  const fs::path unreadable = "/proc/self/mem";
  testing::TempDir dir;
  const FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
  write_file(names.linea_txt, fixture("line/basic_linea.txt"));
  const struct {
    const char* name;
    DescriptionFiles in;
    int32_t fatal;  // no line read: no model, nothing written
  } cases[] = {
      {"line description", {unreadable, names.treno_txt}, 25},
      {"train description", {names.linea_txt, unreadable}, 0},
  };
  for (const auto& c : cases) {
    CompilationState s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    const CompileOutcome outcome = compile_scenario(s, c.in, names, {});
    EXPECT_EQ(fatal_error(s), c.fatal) << c.name;
    EXPECT_FALSE(outcome.io_error) << c.name;
    EXPECT_EQ(s.codice_errore(), 25) << c.name;
  }
}

}  // namespace
}  // namespace scenario
