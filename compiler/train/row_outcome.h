// What the rows of the train description share: how a row ends the reading,
// the error bookkeeping, and the bounds every row checks before it touches
// the cells.
#pragma once

#include <cstdint>

#include "compiler/model/state.h"

namespace scenario {

enum class RowOutcome {
  kNext,       // go on with the next keyword field
  kLeaveLoop,  // error 15: no more rows, but the end-of-file fills and checks run
  kStop,       // any other error: the reading ends at once, without the fills
};

// Records an error of the train description raised by the row whose keyword
// field is on line `riga`.
void record_error(Stato& s, int32_t code, int32_t position, int riga);

// The same for the errors that leave `posizione_errore` as it was.
void record_error_code(Stato& s, int32_t code, int riga);

// The range check: true when (position + margin) / 50, in double precision,
// lies past the last cell. Rows use a margin of 100, stations of 800.
bool beyond_track(const Modello& m, int64_t position, int margin);

// True when `cell` is an index of `celle`.
bool in_track(const Modello& m, int64_t cell);

}  // namespace scenario
