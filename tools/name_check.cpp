#include "tools/name_check.h"

#include <utility>

namespace scenario::tools {

std::optional<std::string> name_part_problem(const std::string& part) {
  if (part.empty()) return "è vuoto";
  if (part.size() > 100) return "è più lungo di 100 byte";
  if (part == "." || part == ".." || part.find("..") != std::string::npos) return "contiene \"..\"";
  for (const char c : part) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\') return "contiene un separatore di cartelle";
    if (b < 0x20 || b == 0x7F) return "contiene un carattere di controllo";
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
