// `scenario check` and what `scenario compile` does with its findings, run
// as an author runs them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/file_names.h"
#include "compiler/output/compile.h"
#include "compiler/output/compiled_files.h"
#include "test_support/files.h"
#include "test_support/process.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

testing::ProcessResult scenario(const fs::path& cwd, std::vector<std::string> args) {
  args.insert(args.begin(), SCENARIO_EXE);
  return testing::run_process(args, testing::in_folder(cwd));
}

const std::string kLine =
    "[generale]\r\nlunghezza percorso,    12000\r\n[cartelli]\r\n"
    "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0\r\n[fine]\r\n";
const std::string kTrain = "[generale]\r\nvelocita,       0,    80\r\n[fine]\r\n";

// A pair with a signal on the board's cell (error 16) and a decimal comma.
const std::string kFaultyTrain =
    "[generale]\r\nvelocita,       0,    8,5\r\nsegnale,    1550,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n[fine]\r\n";

TEST(ScenarioCheck, LinesForEditorsAndAnExitStatus) {
  const struct {
    const char* what;
    std::string treno;
    std::vector<std::string> flags;
    int status;
    std::vector<std::string> lines;
  } cases[] = {
      {"clean", kTrain, {}, 0, {"0 errori, 0 avvisi\n"}},
      {"faults", kFaultyTrain, {}, 2,
       {"./N_1-.txt:2:25: warning: «8,5» è letto come 8",
        "./N_1-.txt:3:13: error: errore 16 a 1550 m: il segnale cade su una cella già occupata",
        "[il costruttore riporta questo errore: Errore n. 16 a 1550 m]",
        "./N_1-.txt:3:13: note: la lettura della descrizione del treno si ferma qui: le righe che seguono non entrano "
        "nel percorso compilato (il controllo legge lo stesso quel che segue, per segnalarne gli errori)\n",
        "1 errore, 1 avviso; il costruttore riporta: Errore n. 16 a 1550 m\n"}},
      {"warnings only", "[generale]\r\nvelocita,  0,  8,5\r\n[fine]\r\n", {}, 0, {"0 errori, 1 avviso\n"}},
      {"each warning ends with its name", "[generale]\r\nvelocita,  0,  8,5\r\n[fine]\r\n", {}, 0,
       {"./N_1-.txt:2:18: warning: «8,5» è letto come 8: la virgola separa i valori, i decimali vanno scritti "
        "col punto [virgola-decimale]\n"}},
      {"--werror prints and counts warnings as errors", "[generale]\r\nvelocita,  0,  8,5\r\n[fine]\r\n",
       {"--werror"}, 2, {"./N_1-.txt:2:18: error: «8,5»", "[virgola-decimale]\n1 errore, 0 avvisi\n"}},
      {"--ignore silences a kind by its name", "[generale]\r\nvelocita,  0,  8,5\r\n[fine]\r\n",
       {"--ignore", "virgola-decimale", "--werror"}, 0, {"0 errori, 0 avvisi\n"}},
      {"--ignore leaves the other kinds", "[generale]\r\nvelocita,  0,  8,5\r\nvelocita,  1525,  9\r\n[fine]\r\n",
       {"--ignore", "virgola-decimale"}, 0, {"[posizione-arrotondata]\n0 errori, 1 avviso\n"}},
      {"--ignore takes only a warning's name", kTrain, {"--ignore", "virgola"}, 1, {}},
      {"a train description that gives no train is an error", "[Generale]\r\nvelocita,  0,  80\r\n[fine]\r\n", {},
       2, {"./N_1-.txt:1:1: error: dalla descrizione del treno non si legge nessuna riga", "[nessun-treno]\n",
           "1 errore, 0 avvisi\n"}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    write_file(dir.path() / "N_linea.txt", kLine);
    write_file(dir.path() / "N_1-.txt", c.treno);
    std::vector<std::string> args = {"check", "N", "1"};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    const auto r = scenario(dir.path(), args);
    EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.out << r.err;
    for (const std::string& line : c.lines) EXPECT_NE(r.out.find(line), std::string::npos) << c.what << "\n" << r.out;
    // Nothing is written.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2) << c.what;
  }
}

// An author finds every name --ignore takes, and the check's own error, in
// the README.
TEST(ScenarioCheck, TheReadmeNamesEveryWarning) {
  const std::string readme = read_file(fs::path(SOURCE_DIR) / "README.md");
  for (const WarningName& w : kWarningNames) {
    const std::string entry = w.fault ? "`" + std::string(w.name) + "`" : "| `" + std::string(w.name) + "` |";
    EXPECT_NE(readme.find(entry), std::string::npos) << w.name;
  }
}

TEST(ScenarioCheck, JsonIsOneDocumentWithEveryField) {
  TempDir dir;
  write_file(dir.path() / "N_linea.txt", kLine);
  write_file(dir.path() / "N_1-.txt", kFaultyTrain);
  const auto r = scenario(dir.path(), {"check", "N", "1", "--json"});
  EXPECT_EQ(r.status, 2);
  const auto doc = nlohmann::json::parse(r.out);
  EXPECT_EQ(doc["format"], 1);
  EXPECT_EQ(doc["errors"], 1);
  EXPECT_EQ(doc["warnings"], 1);
  EXPECT_EQ(doc["reported_error"]["code"], 16);
  EXPECT_EQ(doc["reported_error"]["position"], 1550);
  const auto& error = doc["diagnostics"][1];
  EXPECT_EQ(error["severity"], "error");
  EXPECT_EQ(error["file"], "./N_1-.txt");
  EXPECT_EQ(error["line"], 3);
  EXPECT_EQ(error["column"], 13);
  EXPECT_EQ(error["code"], 16);
  EXPECT_EQ(error["position"], 1550);
  EXPECT_EQ(error["cell"], 32);
  EXPECT_EQ(error["reported"], true);
  EXPECT_EQ(doc["diagnostics"][0]["code"], "virgola-decimale");
  EXPECT_EQ(doc["diagnostics"][2]["severity"], "note");
  EXPECT_EQ(doc["diagnostics"][2]["code"], nullptr);
}

// A compilation that records an error writes nothing over the earlier
// files; with --force it writes what the builder would write.
TEST(ScenarioCompile, ARecordedErrorKeepsTheEarlierFilesUnlessForced) {
  TempDir dir;
  const FileNames n = file_names(dir.path(), "N", "1");
  write_file(n.linea_txt, kLine);
  write_file(n.treno_txt, kFaultyTrain);
  for (const fs::path* f : {&n.linea_dat, &n.sim, &n.dat}) write_file(*f, "earlier");

  const auto kept = scenario(dir.path(), {"compile", "N", "1"});
  EXPECT_EQ(kept.status, 2);
  EXPECT_NE(kept.err.find("error: errore 16 a 1550 m"), std::string::npos) << kept.err;
  for (const fs::path* f : {&n.linea_dat, &n.sim, &n.dat}) EXPECT_EQ(read_file(*f), "earlier") << *f;

  const auto forced = scenario(dir.path(), {"compile", "N", "1", "--force"});
  EXPECT_EQ(forced.status, 2);
  CompilationState builder;
  builder.nome = "N";
  builder.treno = "1";
  compile_texts(builder, DescriptionText::of(kLine), DescriptionText::of(kFaultyTrain), {});
  ASSERT_EQ(builder.codice_errore(), 16);
  EXPECT_EQ(read_file(n.linea_dat), geometry_bytes(builder.model.geometry));
  EXPECT_EQ(read_file(n.sim), records_bytes(builder.model.record));
  EXPECT_EQ(read_file(n.dat), track_bytes(builder.model.celle));
}

// The check's own error (a train description that gives no train) keeps
// the earlier files too; forced, the files are written and the run fails.
TEST(ScenarioCompile, NoTrainKeepsTheEarlierFilesUnlessForced) {
  TempDir dir;
  const FileNames n = file_names(dir.path(), "N", "1");
  write_file(n.linea_txt, kLine);
  write_file(n.treno_txt, "[Generale]\r\nvelocita,       0,    80\r\n[fine]\r\n");
  write_file(n.sim, "earlier");

  const auto kept = scenario(dir.path(), {"compile", "N", "1"});
  EXPECT_EQ(kept.status, 2);
  EXPECT_NE(kept.err.find("[nessun-treno]"), std::string::npos) << kept.err;
  EXPECT_EQ(read_file(n.sim), "earlier");

  const auto forced = scenario(dir.path(), {"compile", "N", "1", "--force"});
  EXPECT_EQ(forced.status, 2);
  EXPECT_NE(read_file(n.sim), "earlier");
}

}  // namespace
}  // namespace scenario
