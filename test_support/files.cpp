// Test helpers (compiled only into the test binary).
#include "test_support/files.h"

#include <cstdlib>
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

}  // namespace scenario::testing
