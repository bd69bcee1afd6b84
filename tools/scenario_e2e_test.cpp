// Runs the real `scenario` tool on the builder's own descriptions and on
// small faulty ones.
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <nlohmann/json.hpp>

#include "common/file_names.h"
#include "test_support/process.h"
#include "test_support/files.h"
#include "compiler/output/compile.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::ProcessResult;
using testing::run_process;
using testing::TempDir;
using testing::write_file;

const fs::path kBuiltin = fs::path(TESTDATA_DIR) / "builtin";
constexpr const char* kNome = "Montebrisca_Lurna";
constexpr const char* kTreno = "7395";

// Runs the tool with `args` in the folder `cwd`.
ProcessResult scenario(const fs::path& cwd, std::vector<std::string> args) {
  args.insert(args.begin(), SCENARIO_EXE);
  return run_process(args, testing::in_folder(cwd));
}

void copy_builtin(const fs::path& to) {
  for (const auto& e : fs::directory_iterator(kBuiltin)) fs::copy_file(e.path(), to / e.path().filename());
}

TEST(ScenarioCompile, WritesWhatTheBuilderWritesAndKeepsTheDescriptions) {
  TempDir src, out, builder;
  copy_builtin(src.path());
  const FileNames in = file_names(src.path(), kNome, kTreno);
  const std::string linea = read_file(in.linea_txt), treno = read_file(in.treno_txt);

  const auto r = scenario(src.path(), {"compile", kNome, kTreno, "--out", out.path()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("percorso: 103000 m, 2201 celle"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("curve: 40, punti di pendenza: 35, cartelli: 56"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("stazioni: 22, segnali: 40, rallentamenti: 1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("(33015 byte)"), std::string::npos) << r.out;
  EXPECT_EQ(read_file(in.linea_txt), linea);
  EXPECT_EQ(read_file(in.treno_txt), treno);

  fs::copy_file(BUILDER_EXE, builder.path() / "montebrisca_lurna");
  ASSERT_EQ(run_process({builder.path() / "montebrisca_lurna"}).status, 0);
  const FileNames mine = file_names(out.path(), kNome, kTreno);
  const FileNames theirs = file_names(builder.path(), kNome, kTreno);
  EXPECT_EQ(read_file(mine.linea_dat), read_file(theirs.linea_dat));
  EXPECT_EQ(read_file(mine.sim), read_file(theirs.sim));
  EXPECT_EQ(read_file(mine.dat), read_file(theirs.dat));
}

TEST(ScenarioCompile, NoGeometryWritesTwoFiles) {
  TempDir dir;
  copy_builtin(dir.path());
  ASSERT_EQ(scenario(dir.path(), {"compile", kNome, kTreno, "--no-geometry"}).status, 0);
  const FileNames n = file_names(dir.path(), kNome, kTreno);
  EXPECT_FALSE(fs::exists(n.linea_dat));
  EXPECT_TRUE(fs::exists(n.sim));
  EXPECT_TRUE(fs::exists(n.dat));
}

// An older geometry in the output folder is left alone and not reported as
// written by this run.
TEST(ScenarioCompile, NoGeometryListsOnlyTheFilesItWrote) {
  TempDir src, out;
  copy_builtin(src.path());
  const FileNames n = file_names(out.path(), kNome, kTreno);
  write_file(n.linea_dat, std::string(4096, '\0'));
  const auto r = scenario(src.path(), {"compile", kNome, kTreno, "--out", out.path(), "--no-geometry"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find("_linea.dat"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("scritto " + n.sim.string()), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("scritto " + n.dat.string()), std::string::npos) << r.out;
  EXPECT_EQ(read_file(n.linea_dat), std::string(4096, '\0'));
}

// A line description of 10 km with one indicator; rows are added per case.
std::string small_line(const std::string& extra_rows) {
  return "[generale]\r\nlunghezza percorso,    10000\r\n[cartelli]\r\n"
         "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0\r\n" +
         extra_rows + "[fine]\r\n";
}

std::string small_train(const std::string& extra_rows) {
  return "[generale]\r\nvelocita,       0,    80\r\naderenza,       0,    90\r\n" + extra_rows + "[fine]\r\n";
}

// Each fault: file, line, column of the field at fault, "error", the
// number and the position, and what stands in the way. The descriptions are
// left as they were and nothing is compiled over the earlier files.
TEST(ScenarioCompile, FaultsAreReportedWithNumberPositionAndPlace) {
  const struct {
    const char* what;
    std::string linea, treno;
    std::string expected;  // the error line, after the folder
  } cases[] = {
      {"sign on the indicator's cell", small_line("cartello_indicatore,  1550,   (PL km)(1+522)\r\n"),
       small_train(""),
       "Montebrisca_Lurna_linea.txt:5:23: error: errore 6 a 1550 m: il cartello indicatore cade su una cella "
       "già occupata; cella 32, occupata da: indicatore di velocità massima (riga 4 della descrizione della "
       "linea)"},
      {"signal on the indicator's cell", small_line(""),
       small_train("segnale,    1550,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n"),
       "Montebrisca_Lurna_7395-.txt:4:13: error: errore 16 a 1550 m: il segnale cade su una cella già occupata; "
       "cella 32, occupata da: indicatore di velocità massima (riga 4 della descrizione della linea)"},
      {"gradient beyond the track", small_line("pendenza,  16950,   3\r\n"), small_train(""),
       "Montebrisca_Lurna_linea.txt:5:12: error: errore 15 a 16950 m: la posizione cade fuori dal modello del "
       "percorso; la linea è lunga 10000 m (riga 2) e il modello finisce a 17000 m"},
      {"station off the 50 m grid", small_line(""),
       small_train("stazione,    5025,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, A\r\n"),
       "Montebrisca_Lurna_7395-.txt:4:14: error: errore 8 a 5025 m: la posizione della stazione non è multipla "
       "di 50 m"},
      {"a number that is not one", small_line("pendenza,  abc,   3\r\n"), small_train(""),
       "Montebrisca_Lurna_linea.txt:5:12: error: errore 25: errore di lettura: valore 1 di 2 (posizione in m) della riga "
       "«pendenza»: «abc» non è un numero"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const FileNames n = file_names(dir.path(), kNome, kTreno);
    write_file(n.linea_txt, c.linea);
    write_file(n.treno_txt, c.treno);
    write_file(n.dat, "earlier");
    const auto r = scenario(dir.path(), {"compile", kNome, kTreno});
    EXPECT_EQ(r.status, 2) << c.what;
    EXPECT_NE(r.err.find("./" + c.expected), std::string::npos)
        << c.what << "\n" << r.err;
    EXPECT_EQ(read_file(n.linea_txt), c.linea) << c.what;
    EXPECT_EQ(read_file(n.treno_txt), c.treno) << c.what;
    EXPECT_EQ(read_file(n.dat), "earlier") << c.what;
  }
}

// A message about a whole file names the file and no line.
TEST(ScenarioCompile, WholeFileErrorsCarryNoLine) {
  const struct {
    const char* what;
    bool write_line, write_train;
    std::string expected;
  } cases[] = {
      {"missing line description", false, true,
       "./Montebrisca_Lurna_linea.txt: error: errore 101: la descrizione della linea non esiste"},
      {"missing train description", true, false,
       "./Montebrisca_Lurna_7395-.txt: error: errore 25: errore di lettura: la descrizione del treno non esiste"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const FileNames n = file_names(dir.path(), kNome, kTreno);
    if (c.write_line) write_file(n.linea_txt, small_line(""));
    if (c.write_train) write_file(n.treno_txt, small_train(""));
    const auto r = scenario(dir.path(), {"compile", kNome, kTreno});
    EXPECT_EQ(r.status, 2) << c.what;
    EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_EQ(r.err.find(":0:"), std::string::npos) << c.what << "\n" << r.err;
  }
}

// A data error recorded while reading is reported beside the header fault
// that refused the model after it, which stands at the row of the object in
// cell 1.
TEST(ScenarioCompile, AHeaderFaultKeepsTheEarlierDataError) {
  TempDir dir, builder_dir;
  const FileNames n = file_names(dir.path(), kNome, kTreno);
  write_file(n.linea_txt, small_line("cartello_indicatore,  0,   (PL km)(0+100)\r\n"));
  write_file(n.treno_txt,
             small_train("stazione,    5025,  2, 1000,  0, 0, 0,  1,1,0,  4,1,1,    1,  23,50, 0, A\r\n"));
  const auto r = scenario(dir.path(), {"compile", kNome, kTreno});
  EXPECT_EQ(r.status, 2);
  const size_t data_error = r.err.find("./Montebrisca_Lurna_7395-.txt:4:14: error: errore 8 a 5025 m");
  const size_t header = r.err.find("./Montebrisca_Lurna_linea.txt:5:1: error: errore 1250: ");
  EXPECT_NE(data_error, std::string::npos) << r.err;
  EXPECT_NE(header, std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(n.dat));
}

// Faults of the line description are reported against its own rows, with
// their own positions, whatever the train reading does afterwards: a
// position out of the model lets the train be read, and its first signal
// then stops the reading (the builder reports error 15 at that signal).
// The progressives' bounds are checked after the train reading, but they
// are rows of the line description.
TEST(ScenarioCompile, LineDescriptionFaultsAreReportedAtTheirOwnRows) {
  const struct {
    const char* what;
    std::string linea, treno;
    std::vector<std::string> expected;
  } cases[] = {
      {"board before the start of the route", small_line("indicatori_vmax,  -600,  125,  135,  135,  0,  ,  ,  ,  0\r\n"),
       small_train("segnale,    6000,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n"),
       {"./Montebrisca_Lurna_linea.txt:5:19: error: errore 15 a -600 m: la posizione cade fuori dal modello del "
        "percorso",
        "[il costruttore riporta questo errore: Errore n. 15 a 6000 m]",
        "./Montebrisca_Lurna_7395-.txt:4:1: note: la lettura si ferma a questa riga (6000 m) per l'errore 15"}},
      {"route length left empty", "[generale]\r\nlunghezza percorso,\r\n[curve]\r\ncurvad4,  8000,  100\r\n[fine]\r\n",
       small_train("segnale,    6000,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n"),
       {"./Montebrisca_Lurna_linea.txt:4:11: error: errore 15 a 8000 m"}},
      {"progressive off the grid",
       "[generale]\r\nlunghezza percorso,    10000\r\nprogressiva chilometrica uno,    25,    90000,    1\r\n"
       "[fine generale]\r\n[fine]\r\n",
       small_train(""), {"./Montebrisca_Lurna_linea.txt:3:1: error: errore 2: "}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const FileNames n = file_names(dir.path(), kNome, kTreno);
    write_file(n.linea_txt, c.linea);
    write_file(n.treno_txt, c.treno);
    const auto r = scenario(dir.path(), {"compile", kNome, kTreno});
    EXPECT_EQ(r.status, 2) << c.what;
    for (const std::string& line : c.expected) {
      EXPECT_NE(r.err.find(line), std::string::npos) << c.what << ": " << line << "\n" << r.err;
    }
    EXPECT_EQ(r.err.find("_7395-.txt:4:1: error"), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_EQ(r.err.find(":0:"), std::string::npos) << c.what << "\n" << r.err;
  }
}

TEST(ScenarioCompile, FatalOutcomesWriteNothing) {
  const struct {
    const char* what;
    std::string linea;  // empty: no line description at all
    const char* message;
  } cases[] = {
      {"missing line description", "", " Errore n. 101"},
      {"sign in the header cell", small_line("cartello_indicatore,  0,   (PL km)(0+100)\r\n"), " Errore n. 1250"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const FileNames n = file_names(dir.path(), kNome, kTreno);
    if (!c.linea.empty()) write_file(n.linea_txt, c.linea);
    write_file(n.treno_txt, small_train(""));
    const auto r = scenario(dir.path(), {"compile", kNome, kTreno});
    EXPECT_EQ(r.status, 2) << c.what;
    EXPECT_NE(r.err.find(std::string(c.message) + "\n"), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_FALSE(fs::exists(n.dat)) << c.what;
    EXPECT_FALSE(fs::exists(n.sim)) << c.what;
    EXPECT_FALSE(fs::exists(n.linea_dat)) << c.what;
  }
}

TEST(ScenarioCompile, NamesThatCouldLeaveTheFolderAreRefusedBeforeReading) {
  TempDir dir;
  const std::vector<std::vector<std::string>> refused = {
      {"compile", "..", kTreno}, {"compile", "a/b", kTreno}, {"compile", kNome, ""}, {"compile", kNome}, {"compile"}};
  for (const auto& args : refused) {
    const auto r = scenario(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.size();
    EXPECT_FALSE(r.err.empty()) << args.size();
  }
}

// Without a subcommand the tool lists them; every subcommand tells the
// version the program tells.
TEST(Scenario, HelpAndVersionOnEveryCommand) {
  TempDir dir;
  const auto bare = scenario(dir.path(), {});
  EXPECT_EQ(bare.status, 1);
  for (const char* command : {"compile", "inspect", "plot"})
    EXPECT_NE(bare.err.find(command), std::string::npos) << bare.err;

  const auto program = scenario(dir.path(), {"--version"});
  ASSERT_EQ(program.status, 0);
  ASSERT_EQ(program.out.rfind("scenario ", 0), 0u) << program.out;
  for (const char* command : {"compile", "inspect", "plot"}) {
    const auto r = scenario(dir.path(), {command, "--version"});
    EXPECT_EQ(r.status, 0) << command << "\n" << r.err;
    EXPECT_EQ(r.out, program.out) << command;
  }
}

// Compiles the built-in descriptions in-process, then decodes the files with
// the tool: every value must be the one the compiler put in the model.
TEST(ScenarioInspect, JsonCarriesTheCompiledValues) {
  TempDir dir;
  copy_builtin(dir.path());
  const FileNames n = file_names(dir.path(), kNome, kTreno);
  CompilationState s;
  s.nome = kNome;
  s.treno = kTreno;
  compile_scenario(s, {n.linea_txt, n.treno_txt}, n, {});
  ASSERT_EQ(fatal_error(s), 0);
  const TrackModel& m = s.model;

  const auto r = scenario(dir.path(), {"inspect", "--json", n.dat, n.sim, n.linea_dat});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto doc = nlohmann::json::parse(r.out);
  ASSERT_EQ(doc["files"].size(), 3u);

  const auto& track = doc["files"][0];
  EXPECT_EQ(track["kind"], "track");
  EXPECT_EQ(track["cells"], m.celle.size());
  EXPECT_EQ(track["header"]["plain_code"], m.celle[1].valore2);
  size_t non_empty = 0;
  for (const auto& row : track["rows"]) {
    const Cella& c = m.celle[row["cell"].get<size_t>()];
    EXPECT_EQ(row["object"].is_null() ? 0 : row["object"]["code"].get<int>(), c.oggetto);
    EXPECT_EQ(row["values"], (std::vector<int>{c.valore1, c.valore2, c.valore3, c.valore4}));
    EXPECT_EQ(row["signal_time"], c.tempo_segnale);
    EXPECT_EQ(row["approach"], c.preavviso);
    EXPECT_EQ(row["mountain"], c.montagna);
    EXPECT_EQ(row["speed_kmh"], c.velocita * 5);
    EXPECT_EQ(row["gradient_permille"], c.pendenza - 100);
    EXPECT_EQ(row["adhesion"], c.dato_treno);
    ++non_empty;
  }
  size_t expected_rows = 0;
  for (const Cella& c : m.celle) expected_rows += (c.oggetto || c.velocita || c.pendenza || c.dato_treno ||
                                                   c.montagna || c.preavviso || c.valore1);
  EXPECT_EQ(non_empty, expected_rows);
  EXPECT_EQ(track["empty_cells"], m.celle.size() - expected_rows);

  const auto& records = doc["files"][1];
  EXPECT_EQ(records["kind"], "records");
  for (const auto& rec : records["records"]) {
    const Record& want = m.record[rec["slot"].get<size_t>()];
    const auto& fields = rec["fields"];
    EXPECT_EQ(fields["text"], want.nome_punto);  // the built-in texts are plain ASCII
    EXPECT_EQ(fields["position"], want.posizione_punto);
    EXPECT_EQ(fields["zone_start"], want.inizio_zona);
    EXPECT_EQ(fields["zone_end"], want.fine_zona);
    EXPECT_EQ(fields["time"], want.orario);
    EXPECT_EQ(fields["data_4"], want.dato_4);
  }
  EXPECT_EQ(records["records"].size(), 22u + 56u + 2u + 3u);  // stations, signs, progressives, header

  const auto& geometry = doc["files"][2];
  EXPECT_EQ(geometry["points"], m.lunghezza_totale + 1);
  EXPECT_EQ(geometry["tags"]["int16"], 4);
  EXPECT_EQ(geometry["tags"]["empty"], 4);
  EXPECT_EQ(geometry["first_turn_past_89_deg_m"], nullptr);
}

TEST(ScenarioInspect, MalformedFilesAreRefusedWithOffset) {
  TempDir dir;
  write_file(dir.path() / "x_7395.dat", std::string(16, '\x01'));
  const auto r = scenario(dir.path(), {"inspect", "x_7395.dat"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("x_7395.dat: non è un file compilato di questo formato: byte 15:"), std::string::npos)
      << r.err;
}

TEST(ScenarioPlot, DrawsAWellFormedPageWithEveryStation) {
  TempDir dir;
  copy_builtin(dir.path());
  ASSERT_EQ(scenario(dir.path(), {"compile", kNome, kTreno}).status, 0);
  const auto r = scenario(dir.path(), {"plot", kNome, kTreno, "-o", "route.svg"});
  ASSERT_EQ(r.status, 0) << r.err;

  tinyxml2::XMLDocument svg;
  ASSERT_EQ(svg.LoadFile((dir.path() / "route.svg").c_str()), tinyxml2::XML_SUCCESS) << svg.ErrorStr();
  const tinyxml2::XMLElement* root = svg.RootElement();
  ASSERT_NE(root, nullptr);
  EXPECT_STREQ(root->Name(), "svg");
  int stations = 0, polylines = 0;
  for (const auto* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    const char* cls = e->Attribute("class");
    if (cls && std::string(cls) == "station") ++stations;
    if (std::string(e->Name()) == "polyline") ++polylines;
  }
  EXPECT_EQ(stations, 22);
  EXPECT_EQ(polylines, 3);  // the plan, the gradient and the speed limit
}

}  // namespace
}  // namespace scenario
