#include "tools/file_bytes.h"

#include <fstream>
#include <iterator>

namespace scenario::tools {

std::optional<std::string> read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace scenario::tools
