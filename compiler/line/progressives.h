// The three kilometric progressives of the line description, stored as read
// ("tre" in record 81, "due" in 82, "uno" in 83, each as the triple
// inizio_zona, fine_zona, posizione_punto = position, kilometric value, flag)
// and put into the order the compiled records carry. docs/formats.md, "Line
// description".
#pragma once

#include <array>

#include "compiler/model/model.h"

namespace scenario {

// For each of records 81, 82, 83 after the ordering, the record it was read
// into (81..83), or 0 when it was cleared.
using ProgressiveSources = std::array<int, 3>;

// Orders records 81..83 and adds 100 to the kilometric value of each one
// flagged 1:
// - when the three positions add up to 0, record 81 takes the first
//   progressive with a positive kilometric value in the preference order
//   "uno", "due", "tre" (the others follow in a fixed order); with none, all
//   three are cleared;
// - otherwise they go by position, largest first; when no position is
//   strictly the largest, all three are cleared.
// A +100 that does not fit is a reading failure (ReadFailure), raised after
// the three records are ordered and the earlier ones adjusted.
ProgressiveSources sort_progressives(TrackModel& m);

}  // namespace scenario
