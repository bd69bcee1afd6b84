#include "compiler/text/edit_distance.h"

#include <algorithm>
#include <vector>

namespace scenario {

size_t edit_distance(std::string_view a, std::string_view b, size_t limit) {
  // The lengths alone take this many insertions or deletions.
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limit) return limit + 1;
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = up;
    }
    // A row's least count never falls in the rows below it.
    if (*std::min_element(row.begin(), row.end()) > limit) return limit + 1;
  }
  return row[b.size()];
}

size_t reach(std::string_view keyword) { return std::max<size_t>(2, keyword.size() / 3); }

}  // namespace scenario
