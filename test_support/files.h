// Helpers for tests: a temporary folder that removes itself, whole-file
// reads and writes.
#pragma once

#include <filesystem>
#include <string>

namespace scenario::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& file);

void write_file(const std::filesystem::path& file, const std::string& bytes);

}  // namespace scenario::testing
