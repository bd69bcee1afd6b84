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

struct CommandResult {
  int status = -1;  // exit status, -1 when the command did not exit normally
  std::string out;
  std::string err;
};

// Runs `command` through the shell in the folder `cwd`, capturing its
// standard output and standard error.
CommandResult run_command(const std::filesystem::path& cwd, const std::string& command);

// Quotes a path for the shell.
std::string shell_quote(const std::filesystem::path& path);
void write_file(const std::filesystem::path& file, const std::string& bytes);

}  // namespace scenario::testing
