// The train card's rows: which change of limit gets which row, the times and
// margins of the stations, and a table that keeps its columns however long
// the route and its names.
#include "sheets/train_card_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheets/sheets_test_routes.h"
#include "test_support/sheet_table.h"

namespace scenario {
namespace {

using testing::bar_columns;
using testing::crlf_lines;

// The bars of every table line of the built-in card.
const std::vector<size_t> kCardBars = {1, 7, 13, 24, 30, 59, 76, 82};

// Stations A, B, C and D with zones [-200, 200], [2800, 3200], [4300, 4700]
// and [11800, 12200]; the line's count is 10 km ahead of the route's metres
// and starts again from 0 at 8000 m.
SheetRoute four_stations(std::vector<LimitChange> limits) {
  SheetRoute route;
  route.train = "100";
  route.length = 14000;
  route.stations = {{1, "A", 0, -200, 200, std::nullopt},
                    {2, "B", 3000, 2800, 3200, std::nullopt},
                    {3, "C", 4500, 4300, 4700, std::nullopt},
                    {4, "D", 12000, 11800, 12200, std::nullopt}};
  route.kilometre = {{0, 8000, 10000}, {8000, std::nullopt, -8000}};
  route.limits = std::move(limits);
  return route;
}

// A row in short: its kind, its station or kilometre, and its limit.
std::string summary(const CardRow& row) {
  std::string text;
  switch (row.kind) {
    case CardRowKind::kStation: text = row.name; break;
    case CardRowKind::kProtection: text = "Seg. " + row.name; break;
    case CardRowKind::kExit: text = "Dev. " + row.name; break;
    case CardRowKind::kKilometre: text = "km " + kilometre_text(row.line_metre.value_or(0)); break;
    case CardRowKind::kCippo: text = "cippo " + kilometre_text(row.line_metre.value_or(0)); break;
  }
  return row.limit ? text + " " + std::to_string(*row.limit) : text;
}

TEST(TrainCardSheet, EachChangeOfLimitHasTheRowOfWhereItIs) {
  const struct {
    const char* what;
    std::vector<LimitChange> changes;  // after 100 km/h from 0 m
    std::vector<std::string> rows;
  } cases[] = {
      {"none", {}, {"A 100", "B", "C", "cippo 0.000 100", "D"}},
      {"before a zone: its protection signal", {{2300, 80}}, {"A 100", "Seg. B 80", "B", "C", "cippo 0.000 80", "D"}},
      {"as far as the reach", {{1800, 80}}, {"A 100", "Seg. B 80", "B", "C", "cippo 0.000 80", "D"}},
      {"a cell further: open line", {{1750, 80}}, {"A 100", "km 11.750 80", "B", "C", "cippo 0.000 80", "D"}},
      {"past a zone: its exit points", {{3500, 120}}, {"A 100", "B", "Dev. B 120", "C", "cippo 0.000 120", "D"}},
      {"nearer one zone than the other", {{3700, 120}}, {"A 100", "B", "Dev. B 120", "C", "cippo 0.000 120", "D"}},
      {"halfway: the next station's signal", {{3750, 120}}, {"A 100", "B", "Seg. C 120", "C", "cippo 0.000 120", "D"}},
      {"within a zone: the station's row", {{2900, 80}}, {"A 100", "B 80", "C", "cippo 0.000 80", "D"}},
      {"on a zone's end", {{3200, 80}}, {"A 100", "B 80", "C", "cippo 0.000 80", "D"}},
      {"within a zone and back", {{2900, 80}, {3100, 100}}, {"A 100", "B", "C", "cippo 0.000 100", "D"}},
      {"two before a zone: the nearer is the signal's", {{11000, 90}, {11500, 80}},
       {"A 100", "B", "C", "cippo 0.000 100", "km 3.000 90", "Seg. D 80", "D"}},
      {"two past a zone: the nearer is the exit's", {{4800, 90}, {5000, 80}},
       {"A 100", "B", "C", "Dev. C 90", "km 15.000 80", "cippo 0.000 80", "D"}},
      {"at the cippo: its limit", {{8000, 60}}, {"A 100", "B", "C", "cippo 0.000 60", "D"}},
      {"in the first zone after the start", {{150, 80}}, {"A 80", "B", "C", "cippo 0.000 80", "D"}},
      {"past the last zone: not the train's", {{12250, 40}}, {"A 100", "B", "C", "cippo 0.000 100", "D"}},
  };
  for (const auto& c : cases) {
    std::vector<LimitChange> limits = {{0, 100}};
    limits.insert(limits.end(), c.changes.begin(), c.changes.end());
    std::vector<std::string> rows;
    for (const CardRow& row : card_rows(four_stations(limits), {})) rows.push_back(summary(row));
    EXPECT_EQ(rows, c.rows) << c.what;
  }
}

TEST(TrainCardSheet, StationsShowTheirTimesAndMargins) {
  SheetRoute route = four_stations({{0, 100}});
  const std::vector<SheetTime> times = {
      {1, true, std::nullopt, 23 * 3600 + 50 * 60, std::nullopt},           // a departure alone
      {2, false, std::nullopt, 23 * 3600 + 55 * 60 + 20, std::nullopt},     // passing
      {4, true, 86400 + 20 * 60, 86400 + 22 * 60 + 40, 95.0},               // a stop after midnight
  };
  const std::vector<CardRow> rows = card_rows(route, times);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].time, "23.50");
  EXPECT_EQ(rows[1].time, "23.55");
  EXPECT_EQ(rows[2].time, "");  // C has no time
  EXPECT_EQ(rows[4].time, "00.20 - 00.23");
  EXPECT_EQ(rows[4].recovery, "1.5");

  // The margin in minutes, rounded down to a half minute, from half a minute.
  const struct {
    double margin;
    const char* shown;
  } margins[] = {{-40, ""}, {0, ""}, {29, ""}, {30, "0.5"}, {59.9, "0.5"}, {60, "1"}, {90, "1.5"}, {125, "2"},
                 {630, "10.5"}};
  for (const auto& m : margins) {
    const std::vector<SheetTime> one = {{3, true, 1000, 1060, m.margin}};
    EXPECT_EQ(card_rows(route, one)[2].recovery, m.shown) << m.margin;
  }
}

// A signal row keeps the whole name with a shorter word before it, and cuts
// it only when even that does not fit.
TEST(TrainCardSheet, SignalRowsShortenTheirWordsBeforeTheName) {
  const struct {
    std::string name;
    int64_t at;
    const char* expected;
    size_t warnings;
  } cases[] = {
      {"ERBALUNGA", 2300, "Seg. protezione ERBALUNGA", 0},
      {"ERBALUNGA", 3500, "Deviatoio uscita ERBALUNGA", 0},
      {"SAN CIPRIANO", 2300, "Seg. prot. SAN CIPRIANO", 0},
      {"SAN CIPRIANO", 3500, "Dev. uscita SAN CIPRIANO", 0},
      {"SANT'ANNA DEL PIANO", 2300, "Seg. prot. SANT'ANNA DEL P~", 1},
  };
  for (const auto& c : cases) {
    SheetRoute route = four_stations({{0, 100}, {c.at, 80}});
    route.stations[1].name = c.name;
    const SheetText card = train_card(route, {}, {});
    const auto lines = crlf_lines(card.bytes);
    ASSERT_GT(lines.size(), 18u);
    const size_t row = c.at < 3000 ? 17 : 18;  // before or after the station's row
    EXPECT_EQ(trim_spaces(table_cells(lines[row])[4]), c.expected) << c.name;
    EXPECT_EQ(card.warnings.size(), c.warnings) << c.name;
  }
}

// More rows than the built-in card's, names longer than their column: the
// table keeps the built-in card's columns and its three empty rows.
TEST(TrainCardSheet, ALongRouteKeepsTheTableColumns) {
  SheetRoute route;
  route.train = "12345";
  route.length = 200000;
  route.kilometre = {{0, std::nullopt, 0}};
  route.limits = {{0, 100}};
  for (int i = 0; i < 40; ++i) {
    const int32_t at = i * 4000;
    const std::string name = i % 5 == 0 ? "STAZIONE DAL NOME LUNGHISSIMO NUMERO " + std::to_string(i)
                                        : "STAZIONE " + std::to_string(i);
    route.stations.push_back({i + 1, name, at, at - 200, at + 200, std::nullopt});
    route.limits.push_back({at + 1000, i % 2 ? 100 : 120});
  }
  const SheetText card = train_card(route, given_times(route.stations), {});
  const auto lines = crlf_lines(card.bytes);
  ASSERT_FALSE(lines.empty());
  const size_t rows = card_rows(route, {}).size();
  ASSERT_GT(rows, 28u);
  ASSERT_EQ(lines.size(), 16 + rows + 3 + 1 + 4);
  for (size_t i = 13; i < 16 + rows + 4; ++i) EXPECT_EQ(bar_columns(lines[i]), kCardBars) << i << ": " << lines[i];
  for (size_t i = 16 + rows; i < 16 + rows + 3; ++i)
    for (const std::string_view cell : table_cells(lines[i])) EXPECT_EQ(trim_spaces(cell), "") << i;
  EXPECT_EQ(lines[16 + rows + 3], lines[15]);  // the closing rule is the heading's
  // Each of the eight long names on its row and its exit row, and the first
  // in the title.
  EXPECT_EQ(card.warnings.size(), 17u);
  for (const std::string& warning : card.warnings) {
    EXPECT_TRUE(warning.starts_with("«STAZIONE DAL NOME LUNGHISSIMO NUMERO") ||
                warning.starts_with("«Dev. uscita STAZIONE DAL NOME LUNGHISSIMO NUMERO") ||
                warning.starts_with("«Stazione Dal Nome Lunghissimo Numero 0»"))
        << warning;
  }
  EXPECT_NE(lines[16].find("| STAZIONE DAL NOME LUNGHISS~|"), std::string::npos) << lines[16];
}

TEST(TrainCardSheet, TheTitleBlockFromTheTrainAndTheLabels) {
  SheetRoute route = four_stations({{0, 100}});
  route.stations.front().name = "MONTEBRISCA";
  route.stations.back().name = "S. MARTINO D.F.";
  route.braked_mass = 125;
  route.train = "7395";
  const SheetText card = train_card(route, {}, {"V160 B", "EXP", "700T"});
  const auto lines = crlf_lines(card.bytes);
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[4], " |   TRENO n.7395    |                   da: Montebrisca           |    V160 B    |");
  EXPECT_EQ(lines[5], " |___________________|                    a: S. Martino D.F.       |    125 %     |");
  // The values stand where the built-in card has them.
  EXPECT_EQ(lines[9], " |       EXP         |              |      700T         |");
  EXPECT_TRUE(card.warnings.empty());

  // Too long for their boxes: cut, and said so; no braked mass, no percentage.
  route.stations.front().name = "SAN GIOVANNI IN PERSICETO";
  route.braked_mass = 0;
  route.train = "1234567890123";
  const SheetText cut = train_card(route, {}, {"CATEGORIA V160 B", "", "MASSA DI 700 TONNELLATE"});
  const auto cut_lines = crlf_lines(cut.bytes);
  ASSERT_GT(cut_lines.size(), 12u);
  EXPECT_EQ(cut_lines[4], " | TRENO n.12345678~ |                   da: San Giovanni In Pers~ | CATEGORIA V~ |");
  EXPECT_EQ(cut_lines[5], " |___________________|                    a: S. Martino D.F.       |              |");
  EXPECT_EQ(cut_lines[9], " |                   |              | MASSA DI 700 TO~  |");
  EXPECT_EQ(cut.warnings.size(), 4u);
  for (size_t i = 2; i <= 10; ++i)
    EXPECT_EQ(bar_columns(cut_lines[i]), bar_columns(lines[i])) << i;
}

}  // namespace
}  // namespace scenario
