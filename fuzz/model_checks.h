// Invariants of a track model that every reading must keep, whatever the
// description held.
#pragma once

#include "compiler/model/state.h"

namespace scenario::fuzz {

// The model is either absent (no route length read) or sized from the route
// length: cells, geometry and counters agree; the geometry is a prefix of
// computed points followed by unassigned ones; sign and mountain counters
// stay inside their arrays and every sign cell points at a sign record.
void check_model(const Stato& s);

}  // namespace scenario::fuzz
