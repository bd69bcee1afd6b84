// Number rules shared by the whole compiler: the nearest-even conversion, the
// two cell-index rules, and the wrapping stores into the
// fixed-width members of the model (the checked ones are a reading rule).
#pragma once

#include <cstdint>

namespace scenario {

// Rounds to the nearest integer, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Done by hand so that no rounding mode
// or library difference can change a compiled byte.
double nearest_even(double v);

// Cell of a point object at position p (signal, indicator, sign, board):
// nearest-even(p / 50 + 1); the 1 is added before the rounding.
int64_t cell_of_object(int64_t p);

// First cell of a stretch attribute changing at p (gradient, mountain start):
// nearest-even(p / 50).
int64_t cell_of_stretch(int64_t p);

// The whole positions (metres, both ends included) that land in a cell: as
// a point object (cell_of_object) or as a stretch's first cell
// (cell_of_stretch). Half-way positions go to the even cell.
struct PositionRange {
  int64_t from = 0;
  int64_t to = 0;
};
PositionRange object_positions(int64_t cell);
PositionRange stretch_positions(int64_t cell);

// The metre a point object of a cell stands at, (cell - 1) * 50: the middle
// of object_positions(cell). The cell's stretch attributes begin 50 m later.
int64_t object_metre(int64_t cell);

// A value stored into a member that keeps only its low bits.
template <class T>
T low_bits(int64_t v) {
  return static_cast<T>(static_cast<uint64_t>(v));
}

}  // namespace scenario
