// The walk over the finished track model: speed markers ahead of signals
// that precede a slowdown warning board, around slowdown starts and inside
// slow slowdowns, and the spacing checks that go with them (errors 11, 12,
// 13). A marker is a cell with code 12 and value kMarkerSpeed.
#pragma once

#include <cstdint>

#include "compiler/model/state.h"

namespace scenario {

// Walks cells 1 .. upper bound - 2 once, in ascending order. Faults are
// raised into the error list, at the row that placed the signal or the
// slowdown concerned, and never stop the walk. Nothing outside `celle` is
// read or written: cells beyond either end count as occupied.
void walk_track(CompilationState& state);

}  // namespace scenario
