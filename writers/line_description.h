// The scenario's line description: route length, kilometre counts, curves,
// gradients, the mountain stretch, speed indicator boards and sign boards of
// the line MONTEBRISCA - LURNA. Row layouts in docs/formats.md.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The 157 lines of the line description, in file order, without line ends.
const std::vector<std::string_view>& line_description_lines();

// Writes line_description_lines() to names.linea_txt, replacing any earlier file.
std::optional<IoError> write_line_description(const FileNames& names);

}  // namespace scenario
