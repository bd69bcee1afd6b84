// What several of the cells' point objects say together, read the one way
// for everyone who reads a compiled track: a slowdown runs from its start
// object to its end object, its warning board the one before its start; a
// station stops at the cell whose stop object holds its record.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "compiler/model/model.h"

namespace scenario {

// A slowdown from the metre of its start object to the metre of its end
// object, with the warning board that came before its start (none when the
// board did not fit on the track).
struct SlowdownSpan {
  int64_t from = 0;
  int64_t to = 0;
  int speed = 0;  // km/h
  std::optional<int64_t> warning;
};

// In track order. An end with no start before it closes nothing and leaves
// the board to the next slowdown.
std::vector<SlowdownSpan> slowdown_spans(std::span<const Cella> celle);

// Each station record's stop cell, by record; of two stop objects for one
// record the first counts.
std::map<int, int64_t> stop_cells(std::span<const Cella> celle);

}  // namespace scenario
