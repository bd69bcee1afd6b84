// The real `scenario sheets`, run as an author runs it: on the built-in
// route, on the routes of testdata/sheets and on a pair with an error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_names.h"
#include "test_support/files.h"
#include "test_support/process.h"
#include "test_support/sheet_table.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

const fs::path kBuiltin = fs::path(TESTDATA_DIR) / "builtin";
const fs::path kFixtures = fs::path(TESTDATA_DIR) / "sheets";

testing::ProcessResult scenario(const fs::path& cwd, std::vector<std::string> args) {
  args.insert(args.begin(), SCENARIO_EXE);
  return testing::run_process(args, testing::in_folder(cwd));
}

// Copies NOME's descriptions (and only them) from `from` to `to`.
void copy_pair(const fs::path& from, const std::string& nome, const std::string& treno, const fs::path& to) {
  const FileNames in = file_names(from, nome, treno), out = file_names(to, nome, treno);
  fs::copy_file(in.linea_txt, out.linea_txt);
  fs::copy_file(in.treno_txt, out.treno_txt);
}

std::vector<std::string> folder_files(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::recursive_directory_iterator(dir)) names.push_back(fs::relative(e.path(), dir).string());
  std::sort(names.begin(), names.end());
  return names;
}

// Every line ends in CR LF, and no CR or LF stands elsewhere.
bool crlf_throughout(const std::string& text) {
  if (text.size() < 2 || !text.ends_with("\r\n")) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

TEST(SheetsCommand, TheBuiltInOrderIsTheBuildersAndTheCardHasItsTimes) {
  TempDir out;
  const auto r = scenario(out.path(), {"sheets", "Montebrisca_Lurna", "7395", "--dir", kBuiltin.string(), "--out",
                                       out.path().string(), "--speed-category", "V160 B", "--classification", "EXP",
                                       "--braked-mass", "700T"});
  ASSERT_EQ(r.status, 0) << r.err;
  const FileNames written = file_names(out.path(), "Montebrisca_Lurna", "7395");
  EXPECT_EQ(r.out, "scritto " + written.scheda_txt.string() + "\nscritto " + written.rallentamenti_txt.string() + "\n");
  const FileNames builder = file_names(kBuiltin, "Montebrisca_Lurna", "7395");
  EXPECT_EQ(read_file(written.rallentamenti_txt), read_file(builder.rallentamenti_txt));

  const std::string card = read_file(written.scheda_txt);
  EXPECT_TRUE(crlf_throughout(card));
  // The title and classification blocks and the table's heading from the
  // train and the options, as the builder's.
  const std::string theirs = read_file(builder.scheda_txt);
  const auto head = [](const std::string& text) { return text.substr(0, text.find(" |  80 |")); };
  EXPECT_EQ(head(card), head(theirs));

  // Every station has a time, the estimate's or, where the description gives
  // one, its own: the departure, at LURNA the arrival.
  size_t stations = 0;
  for (size_t at = card.find(" |", card.find("|_____|")); at != std::string::npos; at = card.find(" |", at + 1)) {
    const std::string row = card.substr(at, card.find("\r\n", at) - at);
    const auto cells = table_cells(row);
    // Station rows: a kilometre and a place that is no kilometre, no cippo and no rule.
    const std::string_view place_cell = trim_spaces(cells.size() == 7 ? cells[4] : "");
    if (place_cell.empty() || trim_spaces(cells[2]).empty() || place_cell.starts_with("km ") ||
        place_cell.starts_with("cippo") || place_cell.starts_with("_"))
      continue;
    ++stations;
    const std::string_view place = trim_spaces(cells[4]), time = trim_spaces(cells[5]);
    EXPECT_EQ(time.size(), place == "VALDEMO" ? 13u : 5u) << row;
    EXPECT_TRUE(place != "MONTEBRISCA" || time == "23.50") << row;
    EXPECT_TRUE(place != "VALDEMO" || time.ends_with(" - 00.22")) << row;
    EXPECT_TRUE(place != "LURNA" || time == "00.52") << row;
  }
  EXPECT_EQ(stations, 22u);
}

// Thirty stations, a name too long for its column, two slowdowns; and a
// route without slowdowns whose names hold an accented letter.
TEST(SheetsCommand, FixtureRoutesAreWrittenInTheSheetsCodePage) {
  const struct {
    const char* nome;
    const char* treno;
    std::vector<std::string> in_card;
    std::vector<std::string> on_stderr;
  } cases[] = {
      {"Valle_Lunga", "2201", {"| SAN GIOVANNI IN PERSICETO~ |", "| cippo km 5.000 "},
       {"scenario sheets: avviso: «SAN GIOVANNI IN PERSICETO DI SOPRA» è più lungo di quanto tiene la colonna "
        "delle località della scheda treno (27 caratteri): scritto «SAN GIOVANNI IN PERSICETO~»\n"}},
      {"Citta_Alta", "88", {"da: Citt\xE0 Alta", "| CITT\xC0 ALTA "},
       {"«Seg. prot. SANT'ANNA DEL PIANO»"}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    copy_pair(kFixtures, c.nome, c.treno, dir.path());
    const auto r = scenario(dir.path(), {"sheets", c.nome, c.treno});
    ASSERT_EQ(r.status, 0) << c.nome << "\n" << r.err;
    const FileNames n = file_names(".", c.nome, c.treno);
    EXPECT_EQ(r.out, "scritto " + n.scheda_txt.string() + "\nscritto " + n.rallentamenti_txt.string() + "\n");
    const std::string card = read_file(dir.path() / n.scheda_txt);
    const std::string order = read_file(dir.path() / n.rallentamenti_txt);
    EXPECT_TRUE(crlf_throughout(card)) << c.nome;
    EXPECT_TRUE(crlf_throughout(order)) << c.nome;
    for (const std::string& text : c.in_card) EXPECT_NE(card.find(text), std::string::npos) << c.nome << ": " << text;
    for (const std::string& text : c.on_stderr) EXPECT_NE(r.err.find(text), std::string::npos) << c.nome << r.err;
  }
}

// --out is created when missing, with the folders above it; without it the
// sheets go beside the descriptions.
TEST(SheetsCommand, OutIsCreatedAndDefaultsToDir) {
  TempDir dir;
  fs::create_directories(dir.path() / "src");
  copy_pair(kFixtures, "Citta_Alta", "88", dir.path() / "src");
  const auto r = scenario(dir.path(), {"sheets", "Citta_Alta", "88", "--dir", "src", "--out", "a/b"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto r2 = scenario(dir.path(), {"sheets", "Citta_Alta", "88", "--dir", "src"});
  ASSERT_EQ(r2.status, 0) << r2.err;
  EXPECT_EQ(folder_files(dir.path()),
            (std::vector<std::string>{"a", "a/b", "a/b/Citta_Alta_88_rallentamenti.txt",
                                      "a/b/Citta_Alta_88_scheda_treno.txt", "src", "src/Citta_Alta_88-.txt",
                                      "src/Citta_Alta_88_rallentamenti.txt", "src/Citta_Alta_88_scheda_treno.txt",
                                      "src/Citta_Alta_linea.txt"}));
  EXPECT_EQ(read_file(dir.path() / "a/b/Citta_Alta_88_scheda_treno.txt"),
            read_file(dir.path() / "src/Citta_Alta_88_scheda_treno.txt"));
}

// An earlier sheet is replaced whole and no temporary file is left; a
// sheet that cannot be written is an input/output fault.
TEST(SheetsCommand, SheetsAreReplacedSafely) {
  TempDir dir;
  copy_pair(kFixtures, "Citta_Alta", "88", dir.path());
  const FileNames n = file_names(dir.path(), "Citta_Alta", "88");
  write_file(n.scheda_txt, std::string(100000, 'x'));
  const auto r = scenario(dir.path(), {"sheets", "Citta_Alta", "88"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(read_file(n.scheda_txt).starts_with("\r\n\r\n  ___"));
  EXPECT_EQ(folder_files(dir.path()),
            (std::vector<std::string>{"Citta_Alta_88-.txt", "Citta_Alta_88_rallentamenti.txt",
                                      "Citta_Alta_88_scheda_treno.txt", "Citta_Alta_linea.txt"}));

  // The card's name taken by a folder: nothing is written in its place, and
  // the order is not reached.
  fs::remove(n.scheda_txt);
  fs::remove(n.rallentamenti_txt);
  fs::create_directory(n.scheda_txt);
  const auto refused = scenario(dir.path(), {"sheets", "Citta_Alta", "88"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("scenario sheets: ./Citta_Alta_88_scheda_treno.txt: "), std::string::npos)
      << refused.err;
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(folder_files(dir.path()), (std::vector<std::string>{"Citta_Alta_88-.txt", "Citta_Alta_88_scheda_treno.txt",
                                                                "Citta_Alta_linea.txt"}));

  // --out naming a file.
  const auto not_a_folder = scenario(dir.path(), {"sheets", "Citta_Alta", "88", "--out", "Citta_Alta_linea.txt"});
  EXPECT_EQ(not_a_folder.status, 1);
  EXPECT_NE(not_a_folder.err.find("scenario sheets: Citta_Alta_linea.txt: "), std::string::npos) << not_a_folder.err;
}

// A pair the check finds an error in: its diagnostics as `scenario check`
// prints them, and no sheet written or replaced.
TEST(SheetsCommand, APairWithAnErrorWritesNothing) {
  TempDir dir;
  copy_pair(kFixtures, "Citta_Alta", "88", dir.path());
  const FileNames n = file_names(dir.path(), "Citta_Alta", "88");
  std::string treno = read_file(n.treno_txt);
  const std::string middle_station = "stazione,    2500,";
  treno.replace(treno.find(middle_station), middle_station.size(), "stazione,    2525,");
  write_file(n.treno_txt, treno);
  write_file(n.rallentamenti_txt, "earlier");

  const auto r = scenario(dir.path(), {"sheets", "Citta_Alta", "88"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("./Citta_Alta_88-.txt:15:14: error: errore 8 a 2525 m: la posizione della stazione non è "
                       "multipla di 50 m"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("1 errore, 0 avvisi; il costruttore riporta: Errore n. 8 a 2525 m\nnessuna scheda scritta\n"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(fs::exists(n.scheda_txt));
  EXPECT_EQ(read_file(n.rallentamenti_txt), "earlier");

  // Without the descriptions there is nothing to check either.
  TempDir empty;
  const auto missing = scenario(empty.path(), {"sheets", "Citta_Alta", "88"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_TRUE(folder_files(empty.path()).empty());
}

TEST(SheetsCommand, HelpAndUsage) {
  TempDir dir;
  const auto help = scenario(dir.path(), {"sheets", "--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"NOME", "TRENO", "--dir", "--out", "--speed-category", "--classification",
                             "--braked-mass"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option << "\n" << help.out;
  EXPECT_NE(scenario(dir.path(), {"--help"}).out.find("sheets"), std::string::npos);

  // A usage fault, and a label the sheets' code page cannot write: nothing written.
  copy_pair(kFixtures, "Citta_Alta", "88", dir.path());
  EXPECT_EQ(scenario(dir.path(), {"sheets", "Citta_Alta"}).status, 1);
  const auto label = scenario(dir.path(), {"sheets", "Citta_Alta", "88", "--classification", "特急"});
  EXPECT_EQ(label.status, 1);
  EXPECT_NE(label.err.find("--classification"), std::string::npos) << label.err;
  EXPECT_EQ(folder_files(dir.path()), (std::vector<std::string>{"Citta_Alta_88-.txt", "Citta_Alta_linea.txt"}));

  // An accented label is written in the sheets' code page.
  ASSERT_EQ(scenario(dir.path(), {"sheets", "Citta_Alta", "88", "--classification", "Rapido è"}).status, 0);
  EXPECT_NE(read_file(dir.path() / "Citta_Alta_88_scheda_treno.txt").find("|    Rapido \xE8       |"),
            std::string::npos);
}

}  // namespace
}  // namespace scenario
