// The table of a driver's sheet, declared once for the train card, the
// slowdown order and any sheet laid out like them (docs/formats.md,
// "Driver's sheets"). A row is one space, then its cells between vertical
// bars, a bar before the first cell and after the last. The table opens with
// a rule of underscores without bars, spanning the row between its outer
// bars, and closes with the bar rule that also ends its heading: the row with
// every cell filled with underscores. So every line after the opening rule
// has its bars in the same columns.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

inline constexpr std::string_view kSheetIndent = " ";  // before a row's first bar
inline constexpr char kSheetBar = '|';
inline constexpr char kSheetRule = '_';

// The widths of each table's cells, left to right.
inline constexpr std::array<size_t, 7> kTrainCardColumns = {5, 5, 10, 5, 28, 16, 5};
inline constexpr std::array<size_t, 6> kSlowdownOrderColumns = {3, 28, 12, 10, 9, 12};

// The row of `cells` in columns of `widths`: each cell's text from the left
// of its column, padded with spaces; the columns after the last cell are
// empty. Nothing when a cell is wider than its column or there are more
// cells than columns.
std::optional<std::string> sheet_row(std::span<const size_t> widths, const std::vector<std::string_view>& cells);

// The rule that opens a table of `widths`.
std::string sheet_opening_rule(std::span<const size_t> widths);

// The rule that ends the heading and closes the table.
std::string sheet_bar_rule(std::span<const size_t> widths);

}  // namespace scenario
