#include "sheets/station_times.h"

namespace scenario {

std::vector<SheetTime> estimated_times(const std::vector<StationTime>& run) {
  std::vector<SheetTime> times;
  for (size_t i = 0; i < run.size(); ++i) {
    const StationTime& s = run[i];
    SheetTime t{s.slot, s.stops, std::nullopt, std::nullopt, std::nullopt};
    if (i + 1 == run.size()) {
      t.arrival = s.given.value_or(s.arrival);
    } else {
      if (s.stops && i > 0) t.arrival = s.arrival;
      // Where the estimate cannot keep the given time, the card still shows
      // the timetable's (the check warns about it).
      t.departure = s.given.value_or(s.departure);
    }
    if (s.stops && s.given) t.margin = s.margin;
    times.push_back(t);
  }
  return times;
}

std::vector<SheetTime> given_times(const std::vector<SheetStation>& stations) {
  std::vector<SheetTime> times;
  for (size_t i = 0; i < stations.size(); ++i) {
    const SheetStation& s = stations[i];
    if (!s.given) continue;
    SheetTime t{s.slot, true, std::nullopt, std::nullopt, std::nullopt};
    (i + 1 == stations.size() ? t.arrival : t.departure) = *s.given;
    times.push_back(t);
  }
  return times;
}

}  // namespace scenario
