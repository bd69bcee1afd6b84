#include "compiler/model/numbers.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(NearestEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double in, out;
  } cases[] = {{2.5, 2}, {3.5, 4}, {1.5, 2}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
               {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}, {2200.0, 2200}};
  for (const auto& c : cases) EXPECT_EQ(nearest_even(c.in), c.out) << c.in;
}

TEST(CellIndex, PointObjectsAddOneBeforeRounding) {
  const struct {
    int64_t p, cell;
  } cases[] = {{0, 1}, {25, 2}, {75, 2}, {125, 4}, {1550, 32}, {2800, 57}, {-50, 0}, {-75, 0}};
  for (const auto& c : cases) EXPECT_EQ(cell_of_object(c.p), c.cell) << c.p;
}

TEST(CellIndex, StretchesStartAtTheRoundedQuotient) {
  const struct {
    int64_t p, cell;
  } cases[] = {{0, 0}, {25, 0}, {75, 2}, {125, 2}, {1500, 30}, {8700, 174}, {-75, -2}};
  for (const auto& c : cases) EXPECT_EQ(cell_of_stretch(c.p), c.cell) << c.p;
}

// Every whole position from -200 m to 2000 m lands in a cell whose range
// holds it, and in no other.
TEST(CellIndex, PositionRangesAreTheInverseOfBothRules) {
  for (int64_t p = -200; p <= 2000; ++p) {
    for (const auto& [cell_of, range_of] : {std::pair{&cell_of_object, &object_positions},
                                           std::pair{&cell_of_stretch, &stretch_positions}}) {
      const int64_t cell = cell_of(p);
      const PositionRange r = range_of(cell);
      EXPECT_TRUE(r.from <= p && p <= r.to) << p;
      EXPECT_NE(cell_of(r.from - 1), cell) << cell;
      EXPECT_NE(cell_of(r.to + 1), cell) << cell;
    }
  }
  // An object stands in the middle of the positions that land in its cell.
  for (int64_t cell = -2; cell <= 42; ++cell) {
    const PositionRange r = object_positions(cell);
    EXPECT_EQ(object_metre(cell) * 2, r.from + r.to) << cell;
  }
  EXPECT_EQ(object_metre(15), 700);
  EXPECT_EQ(object_positions(32).from, 1525);  // 1525 m: 31.5 + 1 rounds to 32
  EXPECT_EQ(object_positions(32).to, 1575);
  EXPECT_EQ(object_positions(33).from, 1576);
}

TEST(Widths, LowBitsWrap) {
  EXPECT_EQ(low_bits<uint8_t>(257), 1);
  EXPECT_EQ(low_bits<uint8_t>(-1), 255);
  EXPECT_EQ(low_bits<int16_t>(65536 + 7), 7);
  EXPECT_EQ(low_bits<int16_t>(40000), -25536);
}

}  // namespace
}  // namespace scenario
