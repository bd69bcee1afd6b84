// The worked example of docs/authoring.md is the pair in testdata/authoring:
// it must compile without a word, and the guide must show it as it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "common/file_names.h"
#include "test_support/process.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;

const fs::path kExampleDir = fs::path(TESTDATA_DIR) / "authoring";
const fs::path kGuide = fs::path(TESTDATA_DIR) / ".." / "docs" / "authoring.md";
constexpr const char* kNome = "Felciano_Valfonda";
constexpr const char* kTreno = "2231";

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A fenced block of the guide whose info string is "text KIND=FILE": KIND
// "file" marks a whole description, KIND "rows" a few of its rows in order.
struct Block {
  std::string kind, file;
  std::vector<std::string> lines;
  size_t guide_line = 0;
};

std::vector<Block> example_blocks(const std::string& guide) {
  std::vector<Block> blocks;
  const std::vector<std::string> lines = lines_of(guide);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l.rfind("```text ", 0) != 0) continue;
    const std::string info = l.substr(8);
    const size_t eq = info.find('=');
    if (eq == std::string::npos) continue;
    Block b{info.substr(0, eq), info.substr(eq + 1), {}, i + 1};
    for (++i; i < lines.size() && lines[i] != "```"; ++i) b.lines.push_back(lines[i]);
    blocks.push_back(std::move(b));
  }
  return blocks;
}

const std::vector<std::string> kExampleFiles = {std::string(kNome) + "_linea.txt",
                                                std::string(kNome) + "_" + kTreno + "-.txt"};

TEST(AuthoringExample, CompilesWithoutAWord) {
  for (const auto& name : kExampleFiles) {
    const std::string bytes = read_file(kExampleDir / name);
    for (size_t i = 0; i < bytes.size(); ++i) {
      const bool lf_after_cr = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
      const bool cr_before_lf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
      if (bytes[i] == '\n' || bytes[i] == '\r') {
        ASSERT_TRUE(lf_after_cr || cr_before_lf) << name << ": line end at byte " << i << " is not CR LF";
      }
    }
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
  }

  TempDir out;
  const auto r = testing::run_process(
      {SCENARIO_EXE, "compile", kNome, kTreno, "--dir", kExampleDir.string(), "--out", out.path().string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::exists(file_names(out.path(), kNome, kTreno).dat));

  // The guide quotes the run whole, with its output folder as /tmp/out: the
  // counts of what was read are how a row passed over shows.
  const std::vector<std::string> guide = lines_of(read_file(kGuide));
  const std::string command = "    $ build/scenario compile Felciano_Valfonda 2231 --dir testdata/authoring --out /tmp/out";
  auto at = std::find(guide.begin(), guide.end(), command);
  ASSERT_NE(at, guide.end()) << "the guide no longer quotes: " << command;
  std::string quoted;
  for (++at; at != guide.end() && at->rfind("    ", 0) == 0; ++at) quoted += at->substr(4) + "\n";
  std::string printed = r.out;
  for (size_t p; (p = printed.find(out.path().string())) != std::string::npos;) {
    printed.replace(p, out.path().string().size(), "/tmp/out");
  }
  EXPECT_EQ(quoted, printed);
}

TEST(AuthoringExample, TheGuideShowsTheFilesAsTheyAre) {
  const std::vector<Block> blocks = example_blocks(read_file(kGuide));
  std::map<std::string, int> whole;
  for (const Block& b : blocks) {
    ASSERT_TRUE(b.kind == "file" || b.kind == "rows") << "guide line " << b.guide_line << ": " << b.kind;
    ASSERT_TRUE(std::find(kExampleFiles.begin(), kExampleFiles.end(), b.file) != kExampleFiles.end())
        << "guide line " << b.guide_line << ": no example file " << b.file;
    const std::vector<std::string> file = lines_of(read_file(kExampleDir / b.file));
    if (b.kind == "file") {
      ++whole[b.file];
      EXPECT_EQ(b.lines, file) << "guide line " << b.guide_line << ": the complete " << b.file
                               << " differs from testdata/authoring";
      continue;
    }
    // The rows shown step by step stand in the file in the same order.
    ASSERT_FALSE(b.lines.empty()) << "guide line " << b.guide_line;
    auto at = file.begin();
    for (const std::string& row : b.lines) {
      at = std::find(at, file.end(), row);
      ASSERT_NE(at, file.end()) << "guide line " << b.guide_line << ": \"" << row << "\" is not in " << b.file
                                << " (or not in this order)";
      ++at;
    }
  }
  for (const auto& name : kExampleFiles) EXPECT_EQ(whole[name], 1) << "complete blocks of " << name;
}

}  // namespace
}  // namespace scenario
