#include "tools/name_check.h"

#include <utility>

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

bool name_parts_ok(const std::string& nome, const std::string& treno, const char* command,
                   std::ostream& err) {
  for (const auto& [what, part] : {std::pair{"NOME", &nome}, std::pair{"TRENO", &treno}}) {
    if (const auto problem = name_part_problem(*part)) {
      err << command << ": " << what << " " << *problem << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace scenario::tools
