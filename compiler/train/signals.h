// Signals of the train description: the "segnale" row and `place_signal`,
// which places one signal in the track cells. Row and cell values in
// docs/formats.md.
#pragma once

#include <cstdint>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

// The values of a "segnale" row, in row order.
struct Segnale {
  int32_t posizione = 0;
  int32_t sx = 0, s1 = 0, s2 = 0, s3 = 0, rapp = 0;
  int32_t dx = 0, d1 = 0, d2 = 0, d3 = 0, tempo = 0;
};

// Places the signal in cell nearest-even(posizione / 50 + 1), which must lie
// inside the track. Returns false, writing nothing, when the cell holds an
// object other than a mountain marker (error 16). Otherwise the cell gets
// code 1 and the packed aspects, and the cells 2, 4, 6 and 8 before it
// (those that exist) get the approach codes. A `tempo` of 1..100 is stored
// as 101. Packed values keep their low 16 (words) or 8 (bytes) bits.
bool place_signal(TrackModel& m, const Segnale& g);

// Reads the eleven values of a "segnale" row (the keyword is already read),
// checks the position and places the signal. An error that stands after the
// placement, whoever raised it, ends the reading at this row's position.
Next read_signal_row(const Row& row);

}  // namespace scenario
