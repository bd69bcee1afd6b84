// Runs the real builder executable, copied into an empty folder and started
// from another working directory.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "test_support/process.h"
#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::run_process;

std::set<std::string> names_in(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

class Builder : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = bin_.path() / "montebrisca_lurna";
    fs::copy_file(BUILDER_EXE, exe_);
  }
  testing::TempDir bin_;
  testing::TempDir elsewhere_;
  fs::path exe_;
};

TEST_F(Builder, WritesBesideItselfNotInTheWorkingDirectory) {
  const auto r = run_process({exe_}, testing::in_folder(elsewhere_.path()));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Attendere\n");
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(names_in(elsewhere_.path()).empty());
  // The descriptions were read back and deleted; the sheets and the
  // compiled files stay beside the executable.
  const std::set<std::string> expected = {"montebrisca_lurna",
                                          "Montebrisca_Lurna_linea.dat",
                                          "Montebrisca_Lurna_7395.sim",
                                          "Montebrisca_Lurna_7395.dat",
                                          "Montebrisca_Lurna_7395_note.txt",
                                          "Montebrisca_Lurna_7395_rallentamenti.txt",
                                          "Montebrisca_Lurna_7395_scheda_treno.txt"};
  EXPECT_EQ(names_in(bin_.path()), expected);
}

TEST_F(Builder, HelpVersionAndUsageErrorsWriteNothing) {
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {{{"--help"}, 0}, {{"-h"}, 0},      {{"--version"}, 0},
               {{"--bogus"}, 2}, {{"a", "b"}, 2}, {{"--help", "x"}, 2}};
  for (const auto& c : cases) {
    std::vector<std::string> argv = {exe_};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    const auto r = run_process(argv, testing::in_folder(elsewhere_.path()));
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.out.find("Attendere"), std::string::npos) << c.args[0];
    if (c.status == 0) {
      EXPECT_FALSE(r.out.empty()) << c.args[0];
    }
    EXPECT_EQ(names_in(bin_.path()).size(), 1u) << c.args[0];
  }
}

}  // namespace
}  // namespace scenario
