// Runs `scenario view`, `plot` and `inspect` on compiled files that belong
// together, and on a geometry left by a compilation of another route length.
#include <gtest/gtest.h>

#include <chrono>
#include <nlohmann/json.hpp>

#include "common/file_names.h"
#include "test_support/process.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::run_process;
using testing::TempDir;
using testing::write_file;

constexpr const char* kNome = "Montebrisca_Lurna";
constexpr const char* kTreno = "7395";

testing::ProcessResult scenario(std::vector<std::string> args) {
  args.insert(args.begin(), SCENARIO_EXE);
  return run_process(args);
}

// The page's data: the text of its JSON script element.
nlohmann::json page_data(const fs::path& page) {
  const std::string html = read_file(page);
  const std::string open = "<script type=\"application/json\" id=\"route-data\">";
  const size_t from = html.find(open) + open.size();
  return nlohmann::json::parse(html.substr(from, html.find("</script>", from) - from));
}

void copy_builtin(const fs::path& to) {
  for (const auto& e : fs::directory_iterator(fs::path(TESTDATA_DIR) / "builtin"))
    fs::copy_file(e.path(), to / e.path().filename());
}

// The page lists what `scenario check` reports on the descriptions: here a
// signal on a speed board's cell, with its place and position.
TEST(ScenarioView, ListsTheDiagnosticsOfTheCheck) {
  TempDir dir;
  write_file(dir.path() / "N_linea.txt",
             "[generale]\r\nlunghezza percorso,    12000\r\n[cartelli]\r\n"
             "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0\r\n[fine]\r\n");
  write_file(dir.path() / "N_1-.txt",
             "[generale]\r\nvelocita,  0,  80\r\nsegnale,    1550,   1, 4, 0,  0, 0,    0,  0,0,0, 0\r\n[fine]\r\n");
  ASSERT_EQ(scenario({"compile", "N", "1", "--dir", dir.path(), "--force"}).status, 2);
  ASSERT_EQ(scenario({"view", "N", "1", "--dir", dir.path()}).status, 0);
  const auto diagnostics = page_data(dir.path() / "N_1.html")["diagnostics"];
  ASSERT_FALSE(diagnostics.empty());
  const auto& error = diagnostics[0];
  EXPECT_EQ(error["severity"], "error");
  EXPECT_EQ(error["line"], 3);
  EXPECT_EQ(error["column"], 13);
  EXPECT_EQ(error["code"], 16);
  EXPECT_EQ(error["position"], 1550);
  EXPECT_NE(error["message"].get<std::string>().find("il segnale cade su una cella già occupata"),
            std::string::npos);
}

TEST(ScenarioView, WritesThePageFromTheCompiledFiles) {
  TempDir src, out;
  copy_builtin(src.path());
  ASSERT_EQ(scenario({"compile", kNome, kTreno, "--dir", src.path(), "--out", out.path()}).status, 0);
  const auto r = scenario({"view", kNome, kTreno, "--dir", src.path(), "--out", out.path()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const fs::path page = out.path() / "Montebrisca_Lurna_7395.html";
  EXPECT_EQ(r.out, "scritto " + page.string() + "\n");
  const auto data = page_data(page);
  EXPECT_EQ(data["title"], "Montebrisca_Lurna - treno 7395");
  EXPECT_EQ(data["stations"].size(), 22u);
  EXPECT_TRUE(data["plan"].is_object());
  EXPECT_EQ(data["stale"], nlohmann::json::array());
  EXPECT_EQ(data["diagnostics"], nlohmann::json::array());  // descriptions at hand

  // Without the descriptions there is nothing to check.
  TempDir empty;
  ASSERT_EQ(scenario({"view", kNome, kTreno, "--dir", empty.path(), "--out", out.path()}).status, 0);
  EXPECT_EQ(page_data(page)["diagnostics"], nullptr);
  EXPECT_EQ(scenario({"view", kNome, kTreno, "--dir", empty.path()}).status, 1);  // no compiled files there
}

// A compilation without geometry leaves the geometry of an earlier, longer
// route in place: every tool names it, and neither picture draws it.
TEST(ScenarioView, AGeometryOfAnotherRouteIsNamedAndNotDrawn) {
  TempDir dir;
  copy_builtin(dir.path());
  const FileNames n = file_names(dir.path(), kNome, kTreno);
  ASSERT_EQ(scenario({"compile", kNome, kTreno, "--dir", dir.path()}).status, 0);
  std::string linea = read_file(n.linea_txt);
  linea.replace(linea.find("103000"), 6, "110000");
  write_file(n.linea_txt, linea);
  ASSERT_EQ(scenario({"compile", kNome, kTreno, "--dir", dir.path(), "--no-geometry"}).status, 0);

  const std::string named = n.linea_dat.string() + ": la geometria è per un percorso di 103000 m, " + kNome +
                            "_7395.sim per uno di 110000 m";
  const auto view = scenario({"view", kNome, kTreno, "--dir", dir.path(), "-o", dir.path() / "p.html"});
  ASSERT_EQ(view.status, 0) << view.err;
  EXPECT_NE(view.err.find("scenario view: attenzione: " + named), std::string::npos) << view.err;
  const auto data = page_data(dir.path() / "p.html");
  EXPECT_EQ(data["plan"], nullptr);
  EXPECT_NE(data["no_plan"].get<std::string>().find("Pianta non disegnata (Montebrisca_Lurna_linea.dat)"),
            std::string::npos);
  ASSERT_EQ(data["stale"].size(), 2u);  // the geometry is also older than the line description
  EXPECT_EQ(data["stale"][0]["file"], "Montebrisca_Lurna_linea.dat");

  const auto plot = scenario({"plot", kNome, kTreno, "--dir", dir.path(), "-o", dir.path() / "p.svg"});
  ASSERT_EQ(plot.status, 0) << plot.err;
  EXPECT_NE(plot.err.find("scenario plot: attenzione: " + named), std::string::npos) << plot.err;
  const std::string svg = read_file(dir.path() / "p.svg");
  EXPECT_NE(svg.find("Pianta non disegnata"), std::string::npos);
  EXPECT_EQ(svg.find("class=\"track\" points"), std::string::npos);
  EXPECT_EQ(svg.find("binario (pianta)"), std::string::npos);  // nor listed in the legend
  EXPECT_NE(svg.find("<circle class=\"signal\""), std::string::npos);  // signals still in the profile

  const auto inspect = scenario({"inspect", n.dat, n.sim, n.linea_dat});
  ASSERT_EQ(inspect.status, 0) << inspect.err;
  EXPECT_NE(inspect.err.find("scenario inspect: attenzione: " + named), std::string::npos) << inspect.err;
}

TEST(ScenarioView, CompiledFilesOlderThanADescriptionAreNamedButDrawn) {
  TempDir dir;
  copy_builtin(dir.path());
  const FileNames n = file_names(dir.path(), kNome, kTreno);
  ASSERT_EQ(scenario({"compile", kNome, kTreno, "--dir", dir.path()}).status, 0);
  fs::last_write_time(n.treno_txt, fs::last_write_time(n.dat) + std::chrono::seconds(5));
  const auto r = scenario({"view", kNome, kTreno, "--dir", dir.path(), "-o", dir.path() / "p.html"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto data = page_data(dir.path() / "p.html");
  EXPECT_TRUE(data["plan"].is_object());
  ASSERT_EQ(data["stale"].size(), 3u);
  for (const auto& s : data["stale"])
    EXPECT_EQ(s["reason"], "è più vecchio di Montebrisca_Lurna_7395-.txt: va compilato di nuovo") << s;
}

}  // namespace
}  // namespace scenario
