#include "compiler/model/numbers.h"

#include <cmath>

#include "compiler/model/model.h"

namespace scenario {

double nearest_even(double v) {
  const double down = std::floor(v);
  const double rest = v - down;
  if (rest < 0.5) return down;
  if (rest > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

int64_t cell_of_object(int64_t p) {
  return static_cast<int64_t>(nearest_even(static_cast<double>(p) / 50.0 + 1.0));
}

int64_t cell_of_stretch(int64_t p) {
  return static_cast<int64_t>(nearest_even(static_cast<double>(p) / 50.0));
}

namespace {

// The positions p with nearest-even(p / 50 + shift) = cell: the half-way
// ends belong to the cell only when it is even.
PositionRange positions(int64_t cell, int64_t shift) {
  const int64_t centre = (cell - shift) * 50;
  const bool even = cell % 2 == 0;
  return {centre - 25 + (even ? 0 : 1), centre + 25 - (even ? 0 : 1)};
}

}  // namespace

PositionRange object_positions(int64_t cell) { return positions(cell, 1); }

PositionRange stretch_positions(int64_t cell) { return positions(cell, 0); }

int64_t object_metre(int64_t cell) { return (cell - 1) * kCellMetres; }

}  // namespace scenario
