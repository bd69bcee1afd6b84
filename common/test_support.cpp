// Test helpers (compiled only into the test binary).
#include "common/test_support.h"

#include <cstdlib>
#include <sys/wait.h>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace scenario::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "scenario-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void write_file(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string shell_quote(const std::filesystem::path& path) {
  std::string quoted = "'";
  for (const char c : path.string()) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

CommandResult run_command(const std::filesystem::path& cwd, const std::string& command) {
  TempDir capture;
  const auto out = capture.path() / "out";
  const auto err = capture.path() / "err";
  const std::string full = "cd " + shell_quote(cwd) + " && { " + command + " ; } >" + shell_quote(out) +
                           " 2>" + shell_quote(err);
  const int st = std::system(full.c_str());
  CommandResult r;
  r.status = (st != -1 && WIFEXITED(st)) ? WEXITSTATUS(st) : -1;
  r.out = read_file(out);
  r.err = read_file(err);
  return r;
}

}  // namespace scenario::testing
