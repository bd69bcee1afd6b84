#pragma once

#include <optional>
#include <string>

namespace scenario::tools {

// NOME and TRENO become parts of file names: refuse anything that could name
// another folder or a hidden surprise. Returns the reason, or nothing when
// the part is acceptable.
std::optional<std::string> name_part_problem(const std::string& part);

}  // namespace scenario::tools
