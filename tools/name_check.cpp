#include "tools/name_check.h"

namespace scenario::tools {

std::optional<std::string> name_part_problem(const std::string& part) {
  if (part.empty()) return "is empty";
  if (part.size() > 100) return "is longer than 100 bytes";
  if (part == "." || part == ".." || part.find("..") != std::string::npos) return "contains \"..\"";
  for (const char c : part) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\') return "contains a path separator";
    if (b < 0x20 || b == 0x7F) return "contains a control character";
  }
  return std::nullopt;
}

}  // namespace scenario::tools
