// The sheets of compiled routes: the built-in one beside the builder's own
// hand-written card, and the routes of testdata/sheets.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "sheets/sheets_test_routes.h"
#include "sheets/slowdown_order_sheet.h"
#include "sheets/train_card_sheet.h"
#include "test_support/files.h"
#include "test_support/sheet_table.h"

namespace scenario {
namespace {

using testing::bar_columns;
using testing::compiled_sheet_route;
using testing::crlf_lines;

const std::vector<size_t> kCardBars = {1, 7, 13, 24, 30, 59, 76, 82};
const std::vector<size_t> kOrderBars = {1, 5, 34, 47, 58, 68, 81};

// The table rows of a card (after its heading, up to its first empty row),
// without their times: the limit, kilometre and place cells.
std::vector<std::string> card_places(std::string_view card) {
  std::vector<std::string> rows;
  const auto lines = crlf_lines(card);
  for (size_t i = 16; i < lines.size(); ++i) {
    const auto cells = table_cells(lines[i]);
    if (cells.size() != 7 || trim_spaces(cells[4]).empty()) break;
    rows.push_back(std::string(trim_spaces(cells[0])) + "|" + std::string(trim_spaces(cells[2])) + "|" +
                   std::string(trim_spaces(cells[4])));
  }
  return rows;
}

std::vector<std::string> missing_from(const std::vector<std::string>& rows, std::vector<std::string> others) {
  std::vector<std::string> missing;
  for (const std::string& row : rows) {
    const auto found = std::find(others.begin(), others.end(), row);
    if (found == others.end())
      missing.push_back(row);
    else
      others.erase(found);
  }
  return missing;
}

const std::string kBuiltinCard =
    testing::read_file(testing::kBuiltinDir / "Montebrisca_Lurna_7395_scheda_treno.txt");

// The limits read off the cells are the train description's speed rows,
// each from its own metre, and nothing of the model's run-out past the
// route's end.
TEST(CompiledSheets, BuiltInLimitsAreTheSpeedRows) {
  const SheetRoute route = compiled_sheet_route(testing::kBuiltinDir, "Montebrisca_Lurna", "7395");
  std::vector<LimitChange> rows;
  std::istringstream treno(testing::read_file(testing::kBuiltinDir / "Montebrisca_Lurna_7395-.txt"));
  for (std::string line; std::getline(treno, line);) {
    if (!line.starts_with("velocita,")) continue;
    const size_t comma = line.find(',', 9);
    rows.push_back({std::stoll(line.substr(9, comma - 9)), std::stoi(line.substr(comma + 1))});
  }
  ASSERT_EQ(rows.size(), 14u);
  EXPECT_EQ(route.limits, rows);
  EXPECT_EQ(route.length, 103000);
}

// Each station of the descriptions at its line kilometre, as the builder's
// card writes it, but for the one kilometre the card has wrong.
TEST(CompiledSheets, BuiltInStationsAtTheCardsKilometres) {
  const SheetRoute route = compiled_sheet_route(testing::kBuiltinDir, "Montebrisca_Lurna", "7395");
  std::vector<std::string> card_stations;
  for (const std::string& row : card_places(kBuiltinCard)) {
    const std::string place = row.substr(row.rfind('|') + 1);
    if (std::any_of(route.stations.begin(), route.stations.end(), [&](auto& s) { return s.name == place; }))
      card_stations.push_back(row.substr(row.find('|') + 1));
  }
  std::vector<std::string> ours;
  for (const SheetStation& s : route.stations)
    ours.push_back(kilometre_text(*line_metre(route.kilometre, s.position)) + "|" + s.name);
  ASSERT_EQ(ours.size(), 22u);
  // CAVRESCINO stands at 8050 m, 1500 m past the cippo: km 6.550.
  EXPECT_EQ(missing_from(card_stations, ours), std::vector<std::string>{"6.600|CAVRESCINO"});
  EXPECT_EQ(missing_from(ours, card_stations), std::vector<std::string>{"6.550|CAVRESCINO"});
}

// The card's limit rows beside the descriptions' limits: the rows that the
// card's own choices leave out or place otherwise.
TEST(CompiledSheets, BuiltInLimitRowsBesideTheCards) {
  const SheetRoute route = compiled_sheet_route(testing::kBuiltinDir, "Montebrisca_Lurna", "7395");
  const std::vector<std::string> ours = card_places(train_card(route, {}, {}).bytes);
  const std::vector<std::string> theirs = card_places(kBuiltinCard);
  EXPECT_EQ(missing_from(theirs, ours), (std::vector<std::string>{
                                            "|6.600|CAVRESCINO",
                                            // The card gives the limit past SAN CIPRIANO on its row; the
                                            // description raises it 200 m past the zone.
                                            "130|65.600|SAN CIPRIANO",
                                            // No change at km 81.950: 60 at 81.600, 135 at 82.400.
                                            "135|81.950|km 81.950",
                                            // 1900 m before LURNA's zone: farther than a protection signal.
                                            "110||Seg. protezione LURNA",
                                        }));
  EXPECT_EQ(missing_from(ours, theirs), (std::vector<std::string>{
                                            "|6.550|CAVRESCINO",
                                            // The 30 and 60 km/h through four stations, which the card
                                            // leaves to the signals.
                                            "30||Seg. prot. SAN CIPRIANO",
                                            "|65.600|SAN CIPRIANO",
                                            "130||Dev. uscita SAN CIPRIANO",
                                            "60||Seg. prot. TORRE BIANCA",
                                            "130||Dev. uscita TORRE BIANCA",
                                            "60||Seg. protezione MEZZANA",
                                            "135||Deviatoio uscita MEZZANA",
                                            "30||Seg. prot. CORTE VALSIO",
                                            "110|98.600|km 98.600",
                                        }));
}

// Thirty stations, a name longer than its column, a slowdown inside a
// station and one in open line; and a route without slowdowns.
TEST(CompiledSheets, FixtureRoutesKeepTheTablesColumns) {
  const struct {
    const char* nome;
    const char* treno;
    size_t card_rows_at_least;
    std::vector<std::string> order_places;
    std::string prescription_b;
  } cases[] = {
      {"Valle_Lunga", "2201", 29, {"PONTE ALTO|B", "CERRETO - FABBRICA|"},
       " B - Interessa anche la stazione di PONTE ALTO"},
      {"Citta_Alta", "88", 5, {}, " B - Interessa anche la stazione di ..."},
  };
  for (const auto& c : cases) {
    const SheetRoute route = compiled_sheet_route(testing::kSheetsDir, c.nome, c.treno);
    const SheetText card = train_card(route, given_times(route.stations), {});
    const auto card_lines = crlf_lines(card.bytes);
    const size_t rows = card_rows(route, {}).size();
    EXPECT_GE(rows, c.card_rows_at_least) << c.nome;
    ASSERT_EQ(card_lines.size(), 16 + rows + 3 + 1 + 4) << c.nome;
    for (size_t i = 13; i < 16 + rows + 4; ++i) EXPECT_EQ(bar_columns(card_lines[i]), kCardBars) << c.nome << " " << i;

    const SheetText order = slowdown_order(route);
    const auto order_lines = crlf_lines(order.bytes);
    ASSERT_EQ(order_lines.size(), 46u) << c.nome;
    for (size_t i = 8; i <= 38; ++i) EXPECT_EQ(bar_columns(order_lines[i]), kOrderBars) << c.nome << " " << i;
    std::vector<std::string> places;
    for (size_t i = 13; i < 13 + c.order_places.size(); ++i) {
      const auto cells = table_cells(order_lines[i]);
      places.push_back(std::string(trim_spaces(cells[1])) + "|" + std::string(trim_spaces(cells[5])));
    }
    EXPECT_EQ(places, c.order_places) << c.nome;
    EXPECT_EQ(trim_spaces(table_cells(order_lines[13 + c.order_places.size()])[1]), "") << c.nome;
    EXPECT_EQ(order_lines[42], c.prescription_b) << c.nome;
  }
}

// The names as the fixtures write them: one too long for the card's column,
// terminals of two words and an accented letter in the title.
TEST(CompiledSheets, FixtureNamesInTheCard) {
  const SheetRoute long_route = compiled_sheet_route(testing::kSheetsDir, "Valle_Lunga", "2201");
  const SheetText card = train_card(long_route, {}, {});
  ASSERT_EQ(card.warnings.size(), 1u);
  EXPECT_NE(card.warnings[0].find("«SAN GIOVANNI IN PERSICETO DI SOPRA»"), std::string::npos) << card.warnings[0];
  EXPECT_NE(card.bytes.find("| SAN GIOVANNI IN PERSICETO~ |"), std::string::npos);
  EXPECT_NE(card.bytes.find("da: Valle Lunga "), std::string::npos);
  EXPECT_NE(card.bytes.find(" a: Fine Della Valle "), std::string::npos);

  const SheetRoute accented = compiled_sheet_route(testing::kSheetsDir, "Citta_Alta", "88");
  const std::string title = train_card(accented, {}, {}).bytes;
  EXPECT_NE(title.find("da: Citt\xE0 Alta "), std::string::npos);
  EXPECT_NE(title.find(" a: Sant'Anna Del Piano "), std::string::npos);
}

// A slowdown lowers the speed without touching the limit: the card has no
// row for it, the order has.
TEST(CompiledSheets, SlowdownsMakeNoLimitRows) {
  const SheetRoute route = compiled_sheet_route(testing::kSheetsDir, "Valle_Lunga", "2201");
  ASSERT_EQ(route.slowdowns.size(), 2u);
  for (const SheetSlowdown& s : route.slowdowns) {
    EXPECT_EQ(limit_at(route.limits, s.from), limit_at(route.limits, s.from - 1));
    for (const CardRow& row : card_rows(route, {}))
      EXPECT_FALSE(row.at > s.from - kCellMetres && row.at <= s.to && row.kind != CardRowKind::kStation) << row.at;
  }
}

}  // namespace
}  // namespace scenario
