// Speed restrictions of the train description: the "rallentamento" row with
// `place_slowdown`, and the "abbattimento" row, a speed reduction point.
// Row and cell values in docs/formats.md.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

// The values of a "rallentamento" row, in row order.
struct Rallentamento {
  int32_t x = 0;     // start, metres
  int32_t v = 0;     // speed, km/h
  int32_t l = 0;     // length, metres
  int32_t f_tt = 0;  // a flag stored with the start and the end
  int32_t f_ta = 0;  // non-zero: approach cells before the warning board
  int32_t d_v = 0;   // second speed, 0 = none
};

// What a placement found: the error of the occupied cell that refused it (or
// stopped it halfway), and the cells that received an object.
struct SlowdownPlacement {
  std::optional<ErrorCode> error;
  int64_t error_cell = 0;
  std::vector<int64_t> placed;
};

// Places a slowdown. Its start cell nearest-even(x / 50 + 1) and end cell
// nearest-even((x + l) / 50 + 1) must lie inside the track. For x > 1500 a
// warning board goes 1200 m before the start and, when `f_ta` is non-zero,
// the four cells before the board get approach codes; for x <= 1500 there is
// neither. An occupied cell (not 0 or 11) is an error: 17 warning, 18 start,
// 19 end (nothing written), 20 approach cells (start, end and warning stay
// written). Stored values keep their low 16 bits.
SlowdownPlacement place_slowdown(TrackModel& m, const Rallentamento& r);

// Reads the six values of a "rallentamento" row (the keyword is already
// read), checks its cells and places it. An error that stands after the
// placement ends the reading at `x`.
Next read_slowdown_row(const Row& row);

// Reads the position and value of an "abbattimento" row and places a speed
// reduction point in cell nearest-even(position / 50): code 12 with the value
// when it is positive, else code 13. An occupied cell is error 7.
Next read_speed_reduction_row(const Row& row);

}  // namespace scenario
