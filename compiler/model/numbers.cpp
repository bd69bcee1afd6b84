#include "compiler/model/numbers.h"

#include <cmath>

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

}  // namespace scenario
