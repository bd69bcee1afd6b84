// Invariants of a track model that every reading must keep, whatever the
// description held.
#pragma once

#include <string_view>

#include "compiler/model/state.h"

namespace scenario::fuzz {

// The model is either absent (no route length read) or sized from the route
// length: cells, geometry and counters agree; the geometry is a prefix of
// computed points followed by unassigned ones; sign and mountain counters
// stay inside their arrays and every sign cell points at a sign record.
void check_model(const Stato& s);

// The two descriptions a compilation read.
struct Texts {
  std::string_view linea;
  std::string_view treno;
};

// Every raised error and every origin points inside the text it names: a
// line that exists (0 for the whole file), a column inside that line.
void check_places(const Stato& s, const Texts& texts);

}  // namespace scenario::fuzz
