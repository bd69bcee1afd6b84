// Signals of the train description: the "segnale" row and `memo_segnale`,
// which places one signal in the track cells. Row and cell values in
// docs/formats.md.
#pragma once

#include <cstdint>

#include "compiler/line/field_reader.h"
#include "compiler/model/state.h"
#include "compiler/train/row_outcome.h"

namespace scenario {

// Places the signal at `posizione` in cell nearest-even(posizione / 50 + 1),
// which must lie inside the track. An occupied cell (not 0 or 11) sets
// `codice_errore` = 16 and writes nothing. Otherwise the cell gets code 1 and
// the packed aspects, and the cells 2, 4, 6 and 8 before it (those that
// exist) get the approach codes. A `tempo` of 1..100 is raised to 101, in the
// caller's variable too. Packed values keep their low 16 (words) or 8
// (bytes) bits.
void memo_segnale(Stato& s, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2, int32_t& s3, int32_t& rapp,
                  int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3, int32_t& tempo);

// Reads the eleven values of a "segnale" row (the keyword is already read),
// checks the position and places the signal. Any error code standing after
// the placement, whoever set it, ends the reading at this row's position.
RowOutcome read_signal_row(FieldReader& in, Stato& s, int riga);

}  // namespace scenario
