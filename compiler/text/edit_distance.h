// How far a word an author wrote is from a keyword, for the "forse …?" hint
// after a keyword that matches no row.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenario {

// Edits (insert, delete, replace one byte) that turn `a` into `b`. Counting
// stops once every way has more than `limit` edits: a result above `limit`
// says only that.
size_t edit_distance(std::string_view a, std::string_view b, size_t limit = static_cast<size_t>(-1));

// The most edits at which a keyword is still offered: two, or a third of its
// length when that is more.
size_t reach(std::string_view keyword);

// Whether a word `distance` edits away from `keyword` is close enough to be
// offered as what was meant.
inline bool close_enough(size_t distance, std::string_view keyword) { return distance <= reach(keyword); }

}  // namespace scenario
