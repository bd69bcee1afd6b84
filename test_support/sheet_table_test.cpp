#include "test_support/sheet_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

TEST(SheetTable, CellsAreTheTextsBetweenBars) {
  const struct {
    std::string_view row;
    std::vector<std::string_view> cells;
  } cases[] = {
      {" | 1 |  ab  ||", {" 1 ", "  ab  ", ""}},
      {"before| x |after", {" x "}},
      {"  _____  ", {}},
      {" | only one bar", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(table_cells(c.row), c.cells) << c.row;
}

TEST(SheetTable, TrimDropsOnlyOuterSpaces) {
  EXPECT_EQ(trim_spaces("  S. MARTINO D.F.  "), "S. MARTINO D.F.");
  EXPECT_EQ(trim_spaces("     "), "");
  EXPECT_EQ(trim_spaces("x"), "x");
}

}  // namespace
}  // namespace scenario
