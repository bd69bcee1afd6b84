// The slowdown order of a route: where each slowdown is said to be, the
// form's rows whatever their number, and the key's prescription B.
#include "sheets/slowdown_order_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheets/sheets_test_routes.h"
#include "test_support/sheet_table.h"

namespace scenario {
namespace {

using testing::bar_columns;
using testing::crlf_lines;

// Three stations whose zones are [800, 1200], [4800, 5200] and [8800, 9200];
// the line's count starts at 500 m and again, lower, at 6000 m.
SheetRoute three_stations() {
  SheetRoute route;
  route.train = "100";
  route.length = 12000;
  route.stations = {{1, "ALFA", 1000, 800, 1200, std::nullopt},
                    {2, "BETA", 5000, 4800, 5200, std::nullopt},
                    {3, "GAMMA", 9000, 8800, 9200, std::nullopt}};
  route.kilometre = {{500, 6000, 100}, {6000, std::nullopt, -6500}};
  route.limits = {{0, 100}};
  return route;
}

TEST(SlowdownOrderSheet, EachSlowdownIsPlacedByTheZonesAroundIt) {
  const struct {
    const char* what;
    SheetSlowdown slowdown;
    std::vector<std::string> around, touched;
    std::optional<int64_t> post;
  } cases[] = {
      {"inside a station", {4900, 5100, 30}, {"BETA"}, {"BETA"}, 5},
      {"in open line", {2000, 2400, 40}, {"ALFA", "BETA"}, {}, 2},
      {"over two zones", {1100, 4900, 50}, {"ALFA", "BETA"}, {"ALFA", "BETA"}, 1},
      {"from the end of a zone", {1200, 1400, 60}, {"ALFA"}, {"ALFA"}, 1},
      {"up to the start of a zone", {4600, 4800, 60}, {"BETA"}, {"BETA"}, 4},
      {"after the last station", {9500, 9700, 60}, {"GAMMA"}, {}, 3},
      {"before the line's count", {100, 300, 60}, {"ALFA"}, {}, std::nullopt},
      {"on a negative kilometre, after post -1", {6200, 6400, 60}, {"BETA", "GAMMA"}, {}, -1},
  };
  for (const auto& c : cases) {
    SheetRoute route = three_stations();
    route.slowdowns = {c.slowdown};
    const std::vector<OrderRow> rows = order_rows(route);
    ASSERT_EQ(rows.size(), 1u) << c.what;
    EXPECT_EQ(rows[0].around, c.around) << c.what;
    EXPECT_EQ(rows[0].touched, c.touched) << c.what;
    EXPECT_EQ(rows[0].post, c.post) << c.what;
    EXPECT_EQ(rows[0].speed, c.slowdown.speed) << c.what;
    EXPECT_EQ(rows[0].length, c.slowdown.to - c.slowdown.from) << c.what;
  }
}

// However many slowdowns, the table keeps its bars in the built-in form's
// columns and at least the form's 26 body rows, an empty one first.
TEST(SlowdownOrderSheet, TheFormGrowsWithTheSlowdownsInTheSameColumns) {
  const std::vector<size_t> bars = {1, 5, 34, 47, 58, 68, 81};
  for (const size_t count : {0u, 1u, 25u, 30u}) {
    SheetRoute route = three_stations();
    for (size_t i = 0; i < count; ++i)
      route.slowdowns.push_back({2000 + static_cast<int64_t>(i) * 50, 2050 + static_cast<int64_t>(i) * 50, 30});
    const SheetText order = slowdown_order(route);
    const auto lines = crlf_lines(order.bytes);
    ASSERT_FALSE(lines.empty()) << count;
    const size_t opening = 7;  // the lines before it are the title and the order
    ASSERT_EQ(lines[opening], "  " + std::string(79, '_')) << count;
    size_t closing = opening + 1;
    for (; closing < lines.size() && bar_columns(lines[closing]) == bars; ++closing) {
    }
    // Three heading lines and the bar rule under them, the body, the bar rule.
    EXPECT_EQ(closing - opening - 1 - 4 - 1, std::max<size_t>(26, 1 + count)) << count;
    EXPECT_EQ(lines[closing - 1], lines[opening + 4]) << count;
    EXPECT_EQ(trim_spaces(table_cells(lines[opening + 5])[0]), "") << count;
    if (count > 0) {
      EXPECT_EQ(trim_spaces(table_cells(lines[opening + 5 + count])[0]), std::to_string(count));
    }
    EXPECT_EQ(lines.size(), closing + 7) << count;  // an empty line and the key
  }
}

TEST(SlowdownOrderSheet, PrescriptionBNamesTheStationsItsSlowdownsTouch) {
  const struct {
    const char* what;
    std::vector<SheetSlowdown> slowdowns;
    std::string expected;
  } cases[] = {
      {"none: a form to fill in", {{2000, 2400, 40}}, " B - Interessa anche la stazione di ..."},
      {"one", {{4900, 5100, 30}}, " B - Interessa anche la stazione di BETA"},
      {"one, twice", {{4900, 5000, 30}, {5100, 5200, 30}}, " B - Interessa anche la stazione di BETA"},
      {"two", {{1000, 1100, 30}, {4900, 5100, 30}}, " B - Interessa anche le stazioni di ALFA e BETA"},
      {"three", {{1000, 5000, 30}, {9000, 9100, 30}}, " B - Interessa anche le stazioni di ALFA, BETA e GAMMA"},
  };
  for (const auto& c : cases) {
    SheetRoute route = three_stations();
    route.slowdowns = c.slowdowns;
    const SheetText order = slowdown_order(route);
    const auto lines = crlf_lines(order.bytes);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4], c.expected) << c.what;
  }
}

// A long list of stations goes on under the line's text, within the width
// of the form.
TEST(SlowdownOrderSheet, ALongPrescriptionBIsBrokenBetweenWords) {
  SheetRoute route;
  route.train = "100";
  for (int i = 0; i < 8; ++i) {
    const int32_t at = 1000 + i * 2000;
    route.stations.push_back({i + 1, "STAZIONE NUMERO " + std::to_string(i + 1), at, at - 200, at + 200,
                              std::nullopt});
    route.slowdowns.push_back({at, at + 100, 30});
  }
  const SheetText order = slowdown_order(route);
  const auto lines = crlf_lines(order.bytes);
  const auto b = std::find_if(lines.begin(), lines.end(), [](auto l) { return l.starts_with(" B - "); });
  const auto d = std::find_if(lines.begin(), lines.end(), [](auto l) { return l.starts_with(" D - "); });
  ASSERT_LT(b + 1, d);
  std::string joined(b->substr(1));
  for (auto line = b + 1; line != d; ++line) {
    EXPECT_TRUE(line->starts_with("     ") && (*line)[5] != ' ') << *line;
    joined += " " + std::string(line->substr(5));
  }
  for (auto line = b; line != d; ++line) EXPECT_LE(line->size(), 81u) << *line;
  EXPECT_EQ(joined, "B - Interessa anche le stazioni di STAZIONE NUMERO 1, STAZIONE NUMERO 2, STAZIONE NUMERO 3, "
                    "STAZIONE NUMERO 4, STAZIONE NUMERO 5, STAZIONE NUMERO 6, STAZIONE NUMERO 7 e STAZIONE NUMERO 8");
}

// Two names that do not fit the column share it, each cut visibly.
TEST(SlowdownOrderSheet, AStretchTooLongForItsColumnKeepsBothNames) {
  const struct {
    std::string before, after, expected;
  } cases[] = {
      {"MOLINELLA SUPERIORE DI SOTTO", "SAN CIPRIANO", "MOLINELLA S~ - SAN CIPRIANO"},
      {"MOLINELLA SUPERIORE DI SOTTO", "RIO", "MOLINELLA SUPERIORE~ - RIO"},
      {"RIO", "MOLINELLA SUPERIORE DI SOTTO", "RIO - MOLINELLA SUPERIORE~"},
      {"MOLINELLA", "SAN CIPRIANO", "MOLINELLA - SAN CIPRIANO"},
  };
  for (const auto& c : cases) {
    SheetRoute route;
    route.train = "1";
    route.stations = {{1, c.before, 1000, 800, 1200, std::nullopt}, {2, c.after, 5000, 4800, 5200, std::nullopt}};
    route.slowdowns = {{2000, 2200, 30}};
    const SheetText order = slowdown_order(route);
    const auto lines = crlf_lines(order.bytes);
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(trim_spaces(table_cells(lines[13])[1]), c.expected);
    EXPECT_EQ(order.warnings.size(), c.expected.find('~') == std::string::npos ? 0u : 1u) << c.expected;
  }
}

}  // namespace
}  // namespace scenario
