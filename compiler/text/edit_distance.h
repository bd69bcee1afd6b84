// How far a word an author wrote is from a keyword, for the "forse …?" hint
// after a keyword that matches no row.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenario {

// Edits (insert, delete, replace one byte) that turn `a` into `b`.
size_t edit_distance(std::string_view a, std::string_view b);

// Whether a word `distance` edits away from `keyword` is close enough to be
// offered as what was meant: two edits, or a third of the keyword's length
// when that is more.
bool close_enough(size_t distance, std::string_view keyword);

}  // namespace scenario
