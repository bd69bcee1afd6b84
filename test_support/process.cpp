// Test helper (compiled only into the test binary).
#include "test_support/process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "test_support/files.h"

namespace scenario::testing {
namespace {

constexpr uid_t kNobody = 65534;

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void start_child(char* const* argv, const ProcessOptions& o, int out_fd, int err_fd) {
  if (!o.cwd.empty() && ::chdir(o.cwd.c_str()) != 0) ::_exit(kSetupFailed);
  if (o.file_size_limit) {
    const rlimit limit{*o.file_size_limit, *o.file_size_limit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(kSetupFailed);
    // An ignored SIGXFSZ stays ignored across exec: the write fails with EFBIG.
    ::signal(SIGXFSZ, SIG_IGN);
  }
  if (o.as_nobody) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(kSetupFailed);
  }
  if (::dup2(out_fd, 1) < 0 || ::dup2(err_fd, 2) < 0) ::_exit(kSetupFailed);
  ::execv(argv[0], argv);
  ::_exit(127);
}

}  // namespace

ProcessResult run_process(const std::vector<std::string>& argv, const ProcessOptions& options) {
  // The child's output goes to two files that the child may write whatever
  // its user (they are opened before the switch).
  TempDir capture;
  const auto out_path = capture.path() / "out";
  const auto err_path = capture.path() / "err";
  write_file(out_path, "");
  write_file(err_path, "");
  const int out_fd = ::open(out_path.c_str(), O_WRONLY);
  const int err_fd = ::open(err_path.c_str(), O_WRONLY);
  if (out_fd < 0 || err_fd < 0) throw std::runtime_error("cannot open the capture files");

  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) start_child(args.data(), options, out_fd, err_fd);
  ::close(out_fd);
  ::close(err_fd);

  int wait_status = 0;
  while (::waitpid(pid, &wait_status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  ProcessResult r;
  r.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  r.out = read_file(out_path);
  r.err = read_file(err_path);
  return r;
}

}  // namespace scenario::testing
