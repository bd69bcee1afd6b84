// Runs a real executable from a test, with the conditions the input/output
// fault tests need: a file-size limit, or the rights of an ordinary user.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace scenario::testing {

struct ProcessOptions {
  std::filesystem::path cwd;                  // working directory; empty: the test's own
  std::optional<uint64_t> file_size_limit;    // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored
  bool as_nobody = false;                     // run as user and group 65534 (needs root)
};

struct ProcessResult {
  int status = -1;  // exit status; -1 when killed by a signal
  std::string out;
  std::string err;
};

// Options that only set the working directory.
inline ProcessOptions in_folder(std::filesystem::path cwd) {
  ProcessOptions options;
  options.cwd = std::move(cwd);
  return options;
}

// Runs `argv` (argv[0] a path to the executable) and waits for it.
ProcessResult run_process(const std::vector<std::string>& argv, const ProcessOptions& options = {});

// The status a child reports when it could not take the options (for
// instance the user switch was refused).
inline constexpr int kSetupFailed = 126;

}  // namespace scenario::testing
