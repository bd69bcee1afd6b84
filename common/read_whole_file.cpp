#include "common/read_whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace scenario {

std::optional<std::string> read_whole_file(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      bytes.append(buffer, static_cast<size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      const int err = errno;
      ::close(fd);
      errno = err;
      return std::nullopt;
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace scenario
