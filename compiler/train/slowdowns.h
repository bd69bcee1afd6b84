// Speed restrictions of the train description: the "rallentamento" row with
// `memo_rallentamento`, and the "abbattimento" row, a speed reduction point.
// Row and cell values in docs/formats.md.
#pragma once

#include <cstdint>

#include "compiler/line/field_reader.h"
#include "compiler/model/state.h"
#include "compiler/train/row_outcome.h"

namespace scenario {

// Places a slowdown of speed `v` from `x` over `l` metres. Its start cell
// nearest-even(x / 50 + 1) and end cell nearest-even((x + l) / 50 + 1) must
// lie inside the track. For x > 1500 a warning board goes 1200 m before the
// start and, when `f_ta` is non-zero, the four cells before the board
// get approach codes; for x <= 1500 there is neither. An occupied cell (not 0
// or 11) sets `codice_errore`: 17 warning, 18 start, 19 end (nothing written),
// 20 approach cells (start, end and warning stay written). Stored values keep
// their low 16 bits.
void memo_rallentamento(Stato& s, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt, int32_t f_ta, int32_t& d_v);

// Reads the six values of a "rallentamento" row (the keyword is already
// read), checks its cells and places it. Any error code standing after the
// placement, whoever set it, ends the reading at `x`.
RowOutcome read_slowdown_row(FieldReader& in, Stato& s, int riga);

// Reads the position and value of an "abbattimento" row and places a speed
// reduction point in cell nearest-even(position / 50): code 12 with the value
// when it is positive, else code 13. An occupied cell is error 7.
RowOutcome read_abbattimento_row(FieldReader& in, Stato& s, int riga);

}  // namespace scenario
