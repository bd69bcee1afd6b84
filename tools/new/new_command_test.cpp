// Runs the real `scenario new`, then `scenario compile` on what it wrote.
#include <gtest/gtest.h>

#include "common/file_names.h"
#include "test_support/process.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

const fs::path kStarterDir = fs::path(TESTDATA_DIR) / ".." / "tools" / "new" / "starter";

ProcessResult scenario(const fs::path& cwd, std::vector<std::string> args) {
  args.insert(args.begin(), SCENARIO_EXE);
  return testing::run_process(args, testing::in_folder(cwd));
}

// The repository's starter text as the tool must write it: CR LF after every line.
std::string with_crlf(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(ScenarioNew, WritesAStarterPairThatChecksAndCompilesWithoutAWord) {
  TempDir tmp;
  const fs::path dir = tmp.path() / "nuova" / "linea";  // missing: created
  const auto r = scenario(tmp.path(), {"new", "Prova", "100", "--dir", dir.string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");

  const FileNames n = file_names(dir, "Prova", "100");
  EXPECT_EQ(read_file(n.linea_txt), with_crlf(read_file(kStarterDir / "linea.txt")));
  EXPECT_EQ(read_file(n.treno_txt), with_crlf(read_file(kStarterDir / "treno.txt")));

  // It checks with no error and no warning, and compiles without a word.
  const auto checked = scenario(tmp.path(), {"check", "Prova", "100", "--dir", dir.string(), "--werror"});
  EXPECT_EQ(checked.status, 0) << checked.out;
  EXPECT_EQ(checked.out, "0 errori, 0 avvisi\n");

  const auto c = scenario(tmp.path(), {"compile", "Prova", "100", "--dir", dir.string()});
  EXPECT_EQ(c.status, 0) << c.err;
  EXPECT_EQ(c.err, "");
  // Every row of the starter is read: a comment taken for a row, or a row
  // taken for a comment, changes these counts.
  EXPECT_NE(c.out.find("percorso: 4000 m"), std::string::npos) << c.out;
  EXPECT_NE(c.out.find("curve: 1, punti di pendenza: 3"), std::string::npos) << c.out;
  EXPECT_NE(c.out.find("stazioni: 2, segnali: 1"), std::string::npos) << c.out;
}

TEST(ScenarioNew, NeverReplacesAnExistingDescription) {
  const struct {
    const char* what;
    bool linea, treno;  // which files exist beforehand
  } cases[] = {{"both", true, true}, {"line description only", true, false}, {"train description only", false, true}};
  for (const auto& c : cases) {
    TempDir dir;
    const FileNames n = file_names(dir.path(), "Prova", "100");
    if (c.linea) write_file(n.linea_txt, "la mia linea\r\n");
    if (c.treno) write_file(n.treno_txt, "il mio treno\r\n");

    const auto r = scenario(dir.path(), {"new", "Prova", "100"});
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.out, "") << c.what;
    EXPECT_EQ(r.err.find("Prova_linea.txt esiste già") != std::string::npos, c.linea) << c.what << "\n" << r.err;
    EXPECT_EQ(r.err.find("Prova_100-.txt esiste già") != std::string::npos, c.treno) << c.what << "\n" << r.err;
    if (c.linea) {
      EXPECT_EQ(read_file(n.linea_txt), "la mia linea\r\n") << c.what;
    }
    if (c.treno) {
      EXPECT_EQ(read_file(n.treno_txt), "il mio treno\r\n") << c.what;
    }
    EXPECT_EQ(fs::exists(n.linea_txt), c.linea) << c.what;
    EXPECT_EQ(fs::exists(n.treno_txt), c.treno) << c.what;
  }
}

TEST(ScenarioNew, NamesThatCouldLeaveTheFolderAreRefused) {
  TempDir dir;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"new", "..", "100"}, {"new", "a/b", "100"}, {"new", "Prova", ""}, {"new", "Prova"}}) {
    const auto r = scenario(dir.path(), args);
    EXPECT_EQ(r.status, 1) << args.size();
    EXPECT_FALSE(r.err.empty()) << args.size();
  }
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace scenario
