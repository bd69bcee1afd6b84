#include "sheets/station_times.h"

namespace scenario {

std::vector<SheetTime> estimated_times(const std::vector<StationTime>& run) {
  std::vector<SheetTime> times;
  for (size_t i = 0; i < run.size(); ++i) {
    const StationTime& s = run[i];
    const bool last = i + 1 == run.size();
    SheetTime t{s.slot, s.stops, std::nullopt, std::nullopt, std::nullopt};
    if (!s.stops) {
      t.departure = s.given.value_or(s.departure);
    } else if (last) {
      t.arrival = s.given.value_or(s.arrival);
      t.departure = *t.arrival + (s.departure - s.arrival);
    } else {
      t.arrival = s.arrival;
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
