#include "test_support/sheet_table.h"

namespace scenario {

std::vector<std::string_view> table_cells(std::string_view row) {
  std::vector<std::string_view> cells;
  size_t bar = row.find('|');
  while (bar != std::string_view::npos) {
    const size_t next = row.find('|', bar + 1);
    if (next == std::string_view::npos) break;
    cells.push_back(row.substr(bar + 1, next - bar - 1));
    bar = next;
  }
  return cells;
}

std::string_view trim_spaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace scenario
