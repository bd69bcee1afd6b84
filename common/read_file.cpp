#include "common/read_file.h"

#include <cerrno>
#include <fstream>
#include <iterator>

namespace scenario {

std::optional<std::string> read_whole_file(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    errno = EISDIR;
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace scenario
