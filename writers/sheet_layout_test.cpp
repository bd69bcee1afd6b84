// The declared layout is the real one: rows of the built-in card and order
// laid out from their cells are the texts' own lines.
#include "writers/sheet_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "writers/slowdown_order.h"
#include "writers/test_rows.h"
#include "writers/train_card.h"

namespace scenario {
namespace {

// Line `n` of `text`, counted from 1.
std::string line_of(std::string_view text, size_t n) { return std::string(testing::lines_of(text).at(n - 1)); }

TEST(SheetLayout, RowsOfTheBuiltInSheetsAreTheirLines) {
  const std::string_view card = train_card_text();
  const std::string_view order = slowdown_order_text();
  const struct {
    std::span<const size_t> widths;
    std::vector<std::string_view> cells;
    std::string_view text;
    size_t line;
  } cases[] = {
      {kTrainCardColumns,
       {" Vel.", " Vel.", " Progr Km ", "  No", "   Localita' di  Servizio", "     Orario", " Rec"},
       card, 14},
      {kTrainCardColumns, {"  80", "", "    90.100", "", " MONTEBRISCA", "  23.40 - 23.45"}, card, 17},
      {kTrainCardColumns, {" 135", "", "     0.000", "", " cippo km 0.000"}, card, 18},
      {kTrainCardColumns, {"", "", "    25.800", "", " ROCCHIANO", "      00.00", " 0.5"}, card, 23},
      {kTrainCardColumns, {}, card, 45},
      {kSlowdownOrderColumns, {"", "", "Inizio dopo"}, order, 9},
      {kSlowdownOrderColumns,
       {" N.", "      FRA LE STAZIONI", " il cippo", " Velocita'", "Lunghezza", "Prescrizioni"}, order, 10},
      {kSlowdownOrderColumns, {}, order, 13},
      {kSlowdownOrderColumns, {" 1", " CORTE VALSIO", "    92", "    40", "   200", "     B"}, order, 14},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sheet_row(c.widths, c.cells), line_of(c.text, c.line)) << "line " << c.line;
  }
}

TEST(SheetLayout, RulesOpenAndCloseTheBuiltInTables) {
  const struct {
    std::span<const size_t> widths;
    std::string_view text;
    size_t opening;
    size_t heading_end;
    size_t closing;
  } cases[] = {
      {kTrainCardColumns, train_card_text(), 13, 16, 48},
      {kSlowdownOrderColumns, slowdown_order_text(), 8, 12, 39},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sheet_opening_rule(c.widths), line_of(c.text, c.opening));
    EXPECT_EQ(sheet_bar_rule(c.widths), line_of(c.text, c.heading_end));
    EXPECT_EQ(sheet_bar_rule(c.widths), line_of(c.text, c.closing));
  }
}

TEST(SheetLayout, ACellTooWideOrOneCellTooManyLaysOutNothing) {
  const auto fits = sheet_row(kSlowdownOrderColumns, {"123"});
  ASSERT_TRUE(fits);
  EXPECT_TRUE(fits->starts_with(" |123|")) << *fits;
  EXPECT_EQ(sheet_row(kSlowdownOrderColumns, {"1234"}), std::nullopt);
  EXPECT_EQ(sheet_row(kSlowdownOrderColumns, {"", "", "", "", "", "", "x"}), std::nullopt);
}

}  // namespace
}  // namespace scenario
