// The compilation from files and the compilation from memory are one and the
// same: same outcome, same recorded error, same compiled bytes. A recorded
// data error does not stop the compiled files from being written.
#include "compiler/output/memorizza_percorso.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/test_support.h"
#include "compiler/output/compiled_files.h"
#include "writers/dati_linea.h"
#include "writers/dati_treno.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

std::string joined(const std::vector<std::string_view>& lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

std::string fixture(const char* name) { return testing::read_file(fs::path(TESTDATA_DIR) / name); }

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct Case {
  const char* name;
  std::string linea;
  std::string treno;
  int32_t j;
  int32_t fatal;
  int32_t codice_errore;
};

TEST(CompileTexts, SameOutcomeAndBytesAsTheCompilationFromFiles) {
  const std::string line = fixture("line/basic_linea.txt");
  const std::string train = fixture("train/short_run.txt");
  const Case cases[] = {
      {"built-in scenario", joined(righe_linea()), joined(righe_treno()), 1, 0, 0},
      {"fixtures", line, train, 1, 0, 0},
      {"fixtures without geometry", line, train, 0, 0, 0},
      // A station off the 50 m grid is recorded; the files are written all the same.
      {"station off the grid", line, replaced(train, "stazione,    8050", "stazione,    8060"), 1, 0, 8},
      {"no general section", "[curve]\r\n", train, 1, 102, 102},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempDir dir;
    const FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
    testing::write_file(names.linea_txt, c.linea);
    testing::write_file(names.treno_txt, c.treno);

    Stato from_files;
    from_files.nome = "Montebrisca_Lurna";
    from_files.treno = "7395";
    Stato in_memory = from_files;
    const CompileOutcome outcome = memorizza_percorso(from_files, c.j, {names.linea_txt, names.treno_txt, true}, names);
    const int32_t fatal = compile_texts(in_memory, c.j, c.linea, c.treno);

    ASSERT_FALSE(outcome.io_error);
    EXPECT_EQ(outcome.fatal, c.fatal);
    EXPECT_EQ(fatal, c.fatal);
    EXPECT_EQ(from_files.codice_errore, c.codice_errore);
    EXPECT_EQ(in_memory.codice_errore, c.codice_errore);
    EXPECT_EQ(in_memory.posizione_errore, from_files.posizione_errore);
    EXPECT_EQ(in_memory.riga_errore, from_files.riga_errore);

    if (c.fatal != 0) {
      EXPECT_FALSE(fs::exists(names.sim));
      EXPECT_FALSE(fs::exists(names.dat));
      EXPECT_FALSE(fs::exists(names.linea_dat));
      continue;
    }
    EXPECT_EQ(testing::read_file(names.sim), records_bytes(in_memory.modello.record));
    EXPECT_EQ(testing::read_file(names.dat), track_bytes(in_memory.modello.celle));
    if (c.j != 0) {
      EXPECT_EQ(testing::read_file(names.linea_dat), geometry_bytes(in_memory.modello.tracciato));
    } else {
      EXPECT_FALSE(fs::exists(names.linea_dat));
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
    Stato s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    EXPECT_EQ(compile_texts(s, 1, c.linea, train), 0);
    EXPECT_EQ(s.codice_errore, c.codice_errore);
    EXPECT_EQ(s.modello.numero_celle, 540);  // (20000 + 7000) / 50
    EXPECT_EQ(track_bytes(s.modello.celle).size(), 15u * 541);
    EXPECT_EQ(s.modello.tracciato.x.size(), 27001u);
  }
}

// A description that opens but fails on reading (here a file whose first
// read is an input/output error) is a reading failure, error 25, like any
// other: it never escapes the compilation as an exception.
TEST(MemorizzaPercorso, ADescriptionThatFailsOnReadingIsError25) {
  const fs::path unreadable = "/proc/self/mem";
  testing::TempDir dir;
  const FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
  testing::write_file(names.linea_txt, fixture("line/basic_linea.txt"));
  const struct {
    const char* name;
    DescriptionFiles in;
    int32_t fatal;  // no line read: no model, nothing written
  } cases[] = {
      {"line description", {unreadable, names.treno_txt, false}, 25},
      {"train description", {names.linea_txt, unreadable, false}, 0},
  };
  for (const auto& c : cases) {
    Stato s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    const CompileOutcome outcome = memorizza_percorso(s, 1, c.in, names);
    EXPECT_EQ(outcome.fatal, c.fatal) << c.name;
    EXPECT_FALSE(outcome.io_error) << c.name;
    EXPECT_EQ(s.codice_errore, 25) << c.name;
  }
}

}  // namespace
}  // namespace scenario
