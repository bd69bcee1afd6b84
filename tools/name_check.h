#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace scenario::tools {

// NOME and TRENO become parts of file names: refuse anything that could name
// another folder or a hidden surprise. Returns the reason, or nothing when
// the part is acceptable.
std::optional<std::string> name_part_problem(const std::string& part);

// Checks NOME and TRENO; on a problem tells it on `err`, prefixed with
// `command`, and returns false.
bool name_parts_ok(const std::string& nome, const std::string& treno, const char* command,
                   std::ostream& err);

}  // namespace scenario::tools
