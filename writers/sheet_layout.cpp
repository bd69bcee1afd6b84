#include "writers/sheet_layout.h"

namespace scenario {

std::optional<std::string> sheet_row(std::span<const size_t> widths, const std::vector<std::string_view>& cells) {
  if (cells.size() > widths.size()) return std::nullopt;
  std::string row(kSheetIndent);
  row += kSheetBar;
  for (size_t i = 0; i < widths.size(); ++i) {
    const std::string_view cell = i < cells.size() ? cells[i] : std::string_view();
    if (cell.size() > widths[i]) return std::nullopt;
    row.append(cell).append(widths[i] - cell.size(), ' ');
    row += kSheetBar;
  }
  return row;
}

std::string sheet_opening_rule(std::span<const size_t> widths) {
  // A space where the first bar stands, then underscores up to the last bar.
  size_t inside = 0;
  for (size_t i = 0; i < widths.size(); ++i) inside += widths[i] + (i > 0 ? 1 : 0);
  return std::string(kSheetIndent) + ' ' + std::string(inside, kSheetRule);
}

std::string sheet_bar_rule(std::span<const size_t> widths) {
  std::string rule(kSheetIndent);
  rule += kSheetBar;
  for (const size_t width : widths) {
    rule.append(width, kSheetRule);
    rule += kSheetBar;
  }
  return rule;
}

}  // namespace scenario
