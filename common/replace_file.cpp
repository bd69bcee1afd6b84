#include "common/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scenario {
namespace {

IoError system_error(const std::filesystem::path& file, int err) {
  return IoError{file, std::strerror(err)};
}

// Writes everything, retrying short writes and interrupted calls.
int write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

// Makes the rename itself durable.
std::optional<IoError> sync_folder(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return system_error(folder, errno);
  const int err = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  if (err != 0) return system_error(folder, err);
  return std::nullopt;
}

}  // namespace

std::optional<IoError> replace_file(const std::filesystem::path& target, std::string_view bytes) {
  // A name of our own in the target's folder: rename() is atomic only within
  // one file system.
  std::string temp = target.string() + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return system_error(target, errno);

  // mkstemp creates the file 0600; give it the mode a plain create would.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  int err = ::fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
  if (err == 0) err = write_all(fd, bytes);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && std::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return system_error(target, err);
  }
  return sync_folder(target);
}

}  // namespace scenario
