// The times the train card shows at each station: the description's own
// where it gives one, else the running-time estimate's. The card takes them
// as plain values, so that its layout does not hang on how they were found.
#pragma once

#include <optional>
#include <vector>

#include "sheets/sheet_route.h"
#include "timetable/running_time.h"

namespace scenario {

// Seconds since the midnight before the departure.
struct SheetTime {
  int slot = 0;       // the station's record
  bool stops = false;
  std::optional<double> arrival;    // at a stop: shown before the departure
  std::optional<double> departure;  // at a stop the departure, elsewhere the time it passes
  std::optional<double> margin;     // seconds to spare, at a stop whose time the description gives
};

// The estimate's stations (in route order) as the card shows them. The
// description gives the departure, and at the last station the arrival; the
// estimate gives the rest: the arrival at the other stops and the time of
// passing. The run has no arrival at the first station and no departure from
// the last: they show their one time.
std::vector<SheetTime> estimated_times(const std::vector<StationTime>& run);

// Without an estimate: the description's times alone, at the stations that
// give one (the departure, the arrival at the last).
std::vector<SheetTime> given_times(const std::vector<SheetStation>& stations);

}  // namespace scenario
