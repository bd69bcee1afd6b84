// Mountain stretches: a type written into the `montagna` member of a run of
// cells, and optionally a marker object every fourth cell.
// docs/formats.md, "Line description".
#pragma once

#include <cstdint>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

// Records the stretch from `start` to `end` (metres) in the mountain lists
// and writes its type into cells nearest-even(start / 50) to
// nearest-even(end / 50 - 1):
// - a `type` above 10 means "marked": 10 is taken off the type, and every
//   fourth cell of the stretch (counted from its own first cell) that holds
//   no object gets a mountain marker;
// - a stretch starting at most 150 m after the previous one's end takes
//   type 3;
// - the cell takes the low 8 bits of the type; cells outside the track are
//   passed over.
// The 81st stretch does not fit the lists: ReadFailure, before anything is
// written.
void place_mountain(TrackModel& m, int32_t start, int32_t end, int32_t type);

// Whether a stretch starting at `start` follows the last one recorded so
// closely that it takes type 3.
bool follows_closely(const TrackModel& m, int32_t start);

// Reads a "montagna" row (start, end, type; the keyword is already read),
// checks its start and records the stretch.
Next read_mountain_row(const Row& row);

}  // namespace scenario
