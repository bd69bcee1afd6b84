// Maximum-speed indicator boards: one cell holds the speeds of ranks A, B and
// C and the stripes of a left-hand and a right-hand board.
// docs/formats.md, "Line description".
#pragma once

#include <cstdint>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

// One "indicatori_vmax" row, in file order: position in metres, the left
// board's speeds (km/h) and stripes, then the right board's.
struct SpeedIndicator {
  int32_t posizione = 0;
  int32_t vas = 0, vbs = 0, vcs = 0, strisces = 0;
  int32_t vad = 0, vbd = 0, vcd = 0, strisced = 0;
};

// Places the boards in cell nearest-even(posizione / 50 + 1), which the caller
// has checked lies in the track. Returns false, writing nothing, when the
// cell holds an object other than a mountain marker (error 21). Otherwise
// the cell gets, in this order, code 6, valore1..3 = nearest-even(right / 5 +
// left * 20) for ranks A, B, C, and valore4 = strisces * 10 + strisced; a
// value that does not fit 16 bits is a reading failure (ReadFailure) that
// keeps what was written before it.
bool place_speed_indicator(TrackModel& m, const SpeedIndicator& v);

// Whether a right-hand speed reads back from the packed value: a multiple of
// 5 below 100 km/h.
bool right_speed_reads_back(int32_t kmh);

// Reads an "indicatori_vmax" row (position and the eight values; the keyword
// is already read), checks the position and places the boards.
Next read_speed_indicator_row(const Row& row);

}  // namespace scenario
