// Invariants of a track model that every reading must keep, whatever the
// description held.
#pragma once

#include <string_view>
#include <vector>

#include "compiler/model/state.h"

namespace scenario::fuzz {

// The model is either absent (no route length read) or sized from the route
// length: cells, geometry and counters agree; the geometry is a prefix of
// computed points followed by unassigned ones; sign and mountain counters
// stay inside their arrays and every sign cell points at a sign record.
void check_model(const CompilationState& s);

// The two descriptions a compilation read.
struct Texts {
  std::string_view linea;
  std::string_view treno;
};

// Every raised error and every origin points inside the text it names: a
// line that exists (0 for the whole file), a column inside that line.
void check_places(const CompilationState& s, const Texts& texts);

// The length of each line of a text (lines end at CR LF, LF or a lone CR).
std::vector<size_t> line_lengths(std::string_view text);

// One place inside the texts whose lines are given.
void check_place(const Place& p, const std::vector<size_t>& linea, const std::vector<size_t>& treno);

}  // namespace scenario::fuzz
