#include "writers/slowdown_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_support/sheet_table.h"
#include "writers/sheet_layout.h"
#include "writers/sheets_test_data.h"

namespace scenario {
namespace {

// The order's lines, without their line ends.
const std::vector<std::string_view> kLines = testing::lines_of(slowdown_order_text());

using namespace sheets_test;

// Lines 9-39 are the table under its opening rule: four heading lines, then
// 26 rows (lines 13-38), the restriction on line 14, and the closing rule.
constexpr size_t kFirstTableLine = 9;
constexpr size_t kFirstRowLine = 13;
constexpr size_t kLastRowLine = 38;
constexpr size_t kLastTableLine = 39;
constexpr size_t kRestrictionLine = 14;
constexpr size_t kFirstKeyLine = 41;

// The whole number that fills `text`; anything else fails the test.
int whole(std::string_view text) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  EXPECT_TRUE(!text.empty() && ec == std::errc() && end == text.data() + text.size()) << text;
  return v;
}

// docs/formats.md, "Slowdown order": the lines around the table, and the
// one restriction as the driver reads it.
TEST(SlowdownOrder, LinesOutsideTheTableHaveTheirForms) {
  ASSERT_EQ(kLines.size(), 46u);
  for (const size_t n : {1, 6, 40}) EXPECT_EQ(kLines[n - 1], "") << "line " << n;
  EXPECT_EQ(kLines[3], " " + std::string(80, '_'));
  EXPECT_EQ(kLines[7], "  " + std::string(79, '_'));
  EXPECT_EQ(kLines[38], kLines[11]);  // the closing rule is the heading's bar rule
  EXPECT_EQ(kLines[kRestrictionLine - 1],
            " | 1 | CORTE VALSIO               |    92      |    40    |   200   |     B      |");
  // The key: A, B, D and C, then the C line's continuation.
  const std::string_view letters = "ABDC";
  for (size_t i = 0; i < letters.size(); ++i) {
    const std::string head = std::string(" ") + letters[i] + " - ";
    EXPECT_TRUE(kLines[kFirstKeyLine + i].starts_with(head)) << "line " << kFirstKeyLine + i + 1;
  }
  EXPECT_TRUE(kLines[45].starts_with("     ")) << kLines[45];
  for (const auto line : kLines)
    for (const char ch : line) EXPECT_TRUE(ch >= ' ' && ch <= '~') << line;
}

TEST(SlowdownOrder, TableLinesShareTheirBarsAndEveryOtherRowIsEmpty) {
  const std::vector<size_t> widths(kSlowdownOrderColumns.begin(), kSlowdownOrderColumns.end());
  int empty_rows = 0;
  for (size_t n = kFirstTableLine; n <= kLastTableLine; ++n) {
    const std::string_view line = kLines[n - 1];
    EXPECT_EQ(line.size(), 82u) << "line " << n;
    EXPECT_EQ(line.substr(0, 2), " |") << "line " << n;
    EXPECT_EQ(line.back(), '|') << "line " << n;
    const auto cells = table_cells(line);
    std::vector<size_t> got;
    bool blank = true;
    for (const auto cell : cells) {
      got.push_back(cell.size());
      blank = blank && trim_spaces(cell).empty();
    }
    EXPECT_EQ(got, widths) << "line " << n;
    if (n >= kFirstRowLine && n <= kLastRowLine && n != kRestrictionLine) {
      EXPECT_TRUE(blank) << "line " << n;
      ++empty_rows;
    }
  }
  EXPECT_EQ(empty_rows, 25);
}

TEST(SlowdownOrder, TheRestrictionIsTheTrainDescriptionsSlowdown) {
  // Position, speed and length of the train description's slowdown row.
  std::vector<int> fields;
  std::string_view rest = std::string_view(kSlowdownRow);
  rest.remove_prefix(rest.find(',') + 1);
  for (size_t comma; (comma = rest.find(',')) != std::string_view::npos;
       rest = rest.substr(comma + 1))
    fields.push_back(whole(trim_spaces(rest.substr(0, comma))));
  ASSERT_GE(fields.size(), 3u);
  const int x = fields[0], v = fields[1], l = fields[2];

  const auto cells = table_cells(kLines[kRestrictionLine - 1]);
  ASSERT_EQ(cells.size(), 6u);
  EXPECT_EQ(whole(trim_spaces(cells[0])), 1);
  // The kilometre post after which it starts, on the line's count.
  EXPECT_EQ(whole(trim_spaces(cells[2])), (x - kCippo) / 1000);
  EXPECT_EQ(whole(trim_spaces(cells[3])), v);
  EXPECT_EQ(whole(trim_spaces(cells[4])), l);

  // The station named is the train description's station nearest the
  // slowdown, and the key's B line names it too.
  const Station* nearest = &kStations[0];
  for (const auto& s : kStations)
    if (std::abs(s.position - x) < std::abs(nearest->position - x)) nearest = &s;
  EXPECT_EQ(trim_spaces(cells[1]), nearest->name);

  // Every prescription letter has its line in the key.
  for (const char letter : trim_spaces(cells[5])) {
    const std::string head = std::string(" ") + letter + " - ";
    const auto key = std::find_if(kLines.begin() + kFirstKeyLine - 1, kLines.end(),
                                  [&](std::string_view k) { return k.starts_with(head); });
    ASSERT_NE(key, kLines.end()) << letter;
    if (letter == 'B') {
      EXPECT_TRUE(key->ends_with(nearest->name)) << *key;
    }
  }
}

}  // namespace
}  // namespace scenario
