// `scenario inspect` on the compiled built-in scenario: the objects in words
// with the positions that land in their cells, the places of a line
// kilometre, the JSON document, and the files it is not meant for.
#include <gtest/gtest.h>

#include <sstream>

#include "common/exit_status.h"
#include "common/file_names.h"
#include "compiler/output/compile.h"
#include "test_support/files.h"
#include "tools/inspect/inspect_command.h"
#include "tools/inspect/describe.h"

namespace scenario::tools {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

struct Inspected {
  int status = 0;
  std::string out, err;
};

Inspected inspect(std::vector<std::string> files, bool json = false, std::string at = "", std::string at_m = "") {
  std::ostringstream out, err;
  Inspected r;
  r.status = run_inspect(InspectArgs{std::move(files), json, std::move(at), std::move(at_m)}, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

// The built-in descriptions compiled once into a folder of the suite.
class InspectBuiltin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    const fs::path builtin = fs::path(TESTDATA_DIR) / "builtin";
    CompilationState s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    compile_scenario(s, {builtin / "Montebrisca_Lurna_linea.txt", builtin / "Montebrisca_Lurna_7395-.txt"},
                       names(), {});
    ASSERT_EQ(fatal_error(s), 0);
  }
  static void TearDownTestSuite() { delete dir_; }
  static FileNames names() { return file_names(dir_->path(), "Montebrisca_Lurna", "7395"); }

  static TempDir* dir_;
};

TempDir* InspectBuiltin::dir_ = nullptr;

// Rows of the track for objects of the built-in descriptions: "segnale, 2800"
// of the train, "indicatori_vmax, 1550" and "cartello_indicatore, 2900" of
// the line, and the stop of MONTEBRISCA, whose zone ends at 500 m.
TEST_F(InspectBuiltin, TrackRowsSayWhatStandsThereAndWhereItWasWritten) {
  const Inspected r = inspect({names().dat.string()});
  ASSERT_EQ(r.status, tool_exit::kOk) << r.err;
  EXPECT_EQ(r.err, "");
  const char* rows[] = {
      "   57    2800 m    1+300     2850–2900 m  135    -5    90     0       0  segnale: codici d'aspetto sinistri "
      "4, 0, 0, destri 0, 0, 0 (valori 40, 0, 0 = sinistro×10 + destro); tipo sinistro 1, destro 0, valore "
      "aggiuntivo 0. Il significato dei codici è del simulatore. — scritto tra 2776 e 2824 m → cella 57",
      "    9     400 m   90+500       450–500 m   80     0    90     0       0  fermata della stazione MONTEBRISCA "
      "(record 1): categoria 2, zona -500–500 m, posizione 0 m, orario 23:50:00; colonne dato_1 0, dato_2 0, "
      "dato_4 1, dato_5 1, dato_6 0, dato_7 4, dato_8 1, dato_9 1, dato_10 1 (il loro significato è del "
      "simulatore). — stazione scritta a 0 m; la fermata viene dalla fine della zona, 500 m: 500 / 50 − 1 → "
      "cella 9",
      "   32    1550 m    0+050     1600–1650 m  135    -5    90     0       0  indicatore di velocità massima: "
      "sinistra A 125 km/h, B 135 km/h, C 135 km/h; destra A nessuna, B nessuna, C nessuna; strisce sinistra 0, "
      "destra 0 (valori 2500, 2700, 2700, 0; una velocità destra da 100 km/h in su o non multipla di 5 non si "
      "ricostruisce dalla cella). — scritto tra 1525 e 1575 m → cella 32",
      ("   59    2900 m    1+400     2950–3000 m  135    -5    90     0       0  cartello indicatore: "
       "«(PL km)(1+522)» (record 78). — scritto tra 2876 e 2924 m → cella 59"),
  };
  for (const char* row : rows) EXPECT_TRUE(has_line(r.out, row)) << row << "\n" << r.out.substr(0, 3000);

  EXPECT_TRUE(has_line(r.out, "record: " + names().sim.string() +
                                  " (nomi delle stazioni, testi dei cartelli, km di linea)"));
  EXPECT_NE(r.out.find("un oggetto scritto a p m va nella cella p / 50 + 1"), std::string::npos);
  // The last three cells hold nothing: the gradient fill stops three cells before the end.
  EXPECT_TRUE(has_line(r.out, "2198 celle elencate; 3 celle vuote, senza alcun valore, non elencate: 2198–2200"))
      << r.out.substr(r.out.size() - 500);
}

// Without the records file beside it the track is still decoded, and says
// what is missing.
TEST_F(InspectBuiltin, WithoutTheRecordsFileTheTrackSaysSo) {
  TempDir alone;
  const fs::path track = alone.path() / "Montebrisca_Lurna_7395.dat";
  fs::copy_file(names().dat, track);
  const Inspected r = inspect({track.string()});
  ASSERT_EQ(r.status, tool_exit::kOk) << r.err;
  EXPECT_TRUE(has_line(r.out, "record: " + (alone.path() / "Montebrisca_Lurna_7395.sim").string() +
                                  " non c'è: senza nomi delle stazioni, testi dei cartelli e km di linea"));
  EXPECT_NE(r.out.find("fermata della stazione del record 1 (nome e dati nel file dei record, non letto)."),
            std::string::npos);

  const Inspected at = inspect({track.string()}, false, "90.3");
  ASSERT_EQ(at.status, tool_exit::kOk) << at.err;
  EXPECT_TRUE(has_line(at.out, "km 90+300 di linea: senza il file dei record non ci sono km di linea")) << at.out;
}

// The line's count restarts at 1500 m, so km 90.3 is met twice: at 200 m
// and at 91 800 m. Either way of writing it gives the same places, each with
// its nearest objects.
TEST_F(InspectBuiltin, AtALineKilometreEveryPlaceItOccurs) {
  const Inspected r = inspect({names().dat.string()}, false, "90+300");
  ASSERT_EQ(r.status, tool_exit::kOk) << r.err;
  EXPECT_TRUE(has_line(r.out, "km 90+300 di linea: 200 m dall'inizio, cella 5")) << r.out;
  EXPECT_TRUE(has_line(r.out, "  prima nessun oggetto")) << r.out;
  EXPECT_TRUE(has_line(r.out, "  qui       5     200 m   90+300       250–300 m   80     0    90     0      84"))
      << r.out;
  EXPECT_NE(r.out.find("  dopo      8     350 m   90+450"), std::string::npos) << r.out;
  EXPECT_TRUE(has_line(r.out, "km 90+300 di linea: 91800 m dall'inizio, cella 1837")) << r.out;
  EXPECT_NE(r.out.find("  prima  1791   89500 m   88+000"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  dopo   1841   92000 m   90+500"), std::string::npos) << r.out;
  EXPECT_EQ(inspect({names().dat.string()}, false, "90.3").out, r.out);

  const Inspected start = inspect({names().dat.string()}, false, "", "93650");
  ASSERT_EQ(start.status, tool_exit::kOk) << start.err;
  EXPECT_TRUE(has_line(start.out, "93650 m dall'inizio: km 92+150 di linea, cella 1874")) << start.out;
  EXPECT_NE(start.out.find("  qui    1874   93650 m   92+150   93700–93750 m   30     0    90     0       0  "
                           "inizio rallentamento: 40 km/h"),
            std::string::npos)
      << start.out;

  const struct {
    std::string at, at_m, line;
  } nowhere[] = {
      {"150.3", "", "km 150+300 di linea: la linea non passa da questo chilometro"},
      {"", "200000", "200000 m dall'inizio: fuori dal percorso"},
  };
  for (const auto& c : nowhere) {
    const Inspected none = inspect({names().dat.string()}, false, c.at, c.at_m);
    EXPECT_EQ(none.status, tool_exit::kOk) << none.err;
    EXPECT_TRUE(has_line(none.out, c.line)) << none.out;
  }
}

// One document of one shape: {"format", "files"} whatever the number of
// files, and the same keys for a file of a kind with or without --at.
TEST_F(InspectBuiltin, JsonIsOneDocumentOfOneShape) {
  const auto keys = [](const Json& object) {
    std::vector<std::string> k;
    for (const auto& [key, value] : object.items()) k.push_back(key);
    return k;
  };
  const std::vector<std::string> document = {"format", "files"};
  const std::vector<std::string> track = {"file", "kind", "cells", "records_file", "records_note", "header",
                                          "kilometre_stretches", "empty_cells", "empty_ranges", "at", "places",
                                          "rows"};

  const Inspected one = inspect({names().dat.string()}, true);
  ASSERT_EQ(one.status, tool_exit::kOk) << one.err;
  const Json single = Json::parse(one.out);
  EXPECT_EQ(keys(single), document);
  EXPECT_EQ(single["format"], kInspectFormat);
  ASSERT_EQ(single["files"].size(), 1u);
  EXPECT_EQ(keys(single["files"][0]), track);
  EXPECT_EQ(single["files"][0]["rows"].size(), 2198u);
  const Json& signal = single["files"][0]["rows"][57];
  EXPECT_EQ(signal["cell"], 57);
  EXPECT_EQ(signal["object_m"], 2800);
  EXPECT_EQ(signal["line_km"], "1+300");
  EXPECT_EQ(signal["object"]["name"], "segnale");
  EXPECT_EQ(signal["object"]["written"], (Json{{"from", 2776}, {"to", 2824}}));

  const Inspected at = inspect({names().dat.string()}, true, "90.3");
  ASSERT_EQ(at.status, tool_exit::kOk) << at.err;
  const Json places = Json::parse(at.out);
  EXPECT_EQ(keys(places), document);
  EXPECT_EQ(keys(places["files"][0]), track);
  EXPECT_EQ(places["files"][0]["rows"].size(), 0u);
  ASSERT_EQ(places["files"][0]["places"].size(), 2u);
  EXPECT_EQ(places["files"][0]["places"][1]["route_m"], 91800);
  EXPECT_EQ(places["files"][0]["places"][1]["here"]["cell"], 1837);

  const Inspected three = inspect({names().dat.string(), names().sim.string(), names().linea_dat.string()}, true);
  ASSERT_EQ(three.status, tool_exit::kOk) << three.err;
  const Json all = Json::parse(three.out);
  EXPECT_EQ(keys(all), document);
  ASSERT_EQ(all["files"].size(), 3u);
  EXPECT_EQ(all["files"][0], single["files"][0]);
  EXPECT_EQ(keys(all["files"][1]), (std::vector<std::string>{"file", "kind", "slots", "used", "records"}));
  const Json& lurna = all["files"][1]["records"][21];
  EXPECT_EQ(lurna["slot"], 22);
  EXPECT_EQ(lurna["role"], "station");
  EXPECT_EQ(lurna["clock"], "00:52:00");
  EXPECT_EQ(lurna["fields"]["text"], "LURNA");
  EXPECT_EQ(keys(all["files"][2]), (std::vector<std::string>{"file", "kind", "points", "tags", "bounding_box",
                                                              "total_turning_deg", "net_turning_deg",
                                                              "first_turn_past_89_deg_m"}));
}

// A description, any other text, a file of no compiled layout: each is
// named for what it is, and nothing is printed on the output.
TEST_F(InspectBuiltin, FilesThatAreNotCompiledAreNamedAsSuch) {
  TempDir dir;
  const fs::path builtin = fs::path(TESTDATA_DIR) / "builtin";
  const fs::path notes = dir.path() / "notes.txt", odd = dir.path() / "x_7395.dat";
  testing::write_file(notes, "appunti\n");
  testing::write_file(odd, std::string(16, '\x01'));
  const struct {
    fs::path file;
    std::string says;
  } cases[] = {
      {builtin / "Montebrisca_Lurna_linea.txt",
       "è una descrizione, un testo, non un file compilato: la controlla scenario check NOME TRENO, la compila "
       "scenario compile NOME TRENO"},
      {builtin / "Montebrisca_Lurna_7395-.txt", "è una descrizione"},
      {notes, "è un file di testo, non un file compilato (.dat, .sim o _linea.dat)"},
      {odd, "non è un file compilato di questo formato: byte 15: la lunghezza non è un multiplo di 15 byte"},
  };
  for (const auto& c : cases) {
    const Inspected r = inspect({names().sim.string(), c.file.string()});
    EXPECT_EQ(r.status, tool_exit::kIoOrUsage) << c.file;
    EXPECT_EQ(r.out, "") << c.file;
    EXPECT_EQ(r.err.rfind("scenario inspect: " + c.file.string() + ": " + c.says, 0), 0u) << r.err;
  }

  const struct {
    std::vector<std::string> files;
    std::string at, at_m, says;
  } refused[] = {
      {{names().dat.string()}, "ottanta", "", "scenario inspect: --at: \"ottanta\" non è un chilometro di linea"},
      {{names().dat.string()}, "", "1.5", "scenario inspect: --at-m: \"1.5\" non è un numero intero di metri"},
      {{names().sim.string()}, "90.3", "", "scenario inspect: --at vale per i file del tracciato"},
  };
  for (const auto& c : refused) {
    const Inspected r = inspect(c.files, false, c.at, c.at_m);
    EXPECT_EQ(r.status, tool_exit::kIoOrUsage) << c.says;
    EXPECT_EQ(r.err.rfind(c.says, 0), 0u) << r.err;
  }
}

}  // namespace
}  // namespace scenario::tools
