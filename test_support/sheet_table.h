// The train card and the slowdown order are fixed-width tables: a row is a
// run of cells between vertical bars. These read such a row back.
// See docs/formats.md, "Driver's sheets".
#pragma once

#include <string_view>
#include <vector>

namespace scenario {

// The texts between consecutive bars, untrimmed; empty when the row has
// fewer than two bars. Text before the first bar or after the last is not a
// cell.
std::vector<std::string_view> table_cells(std::string_view row);

// `text` without its leading and trailing spaces.
std::string_view trim_spaces(std::string_view text);

}  // namespace scenario
