// The times a train description gives, held against the earliest run the
// running-time estimate allows (timetable/running_time.h, with its default
// train): a time the train cannot keep, a time before an earlier station's,
// a stop with no time to stand.
#pragma once

#include "compiler/model/state.h"

namespace scenario {

// Adds the warnings to `s.warnings`; a compilation that raised an error has
// no run to hold the times against and gets none.
void note_timetable(CompilationState& s);

}  // namespace scenario
