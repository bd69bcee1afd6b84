#include "sheets/sheet_route.h"

#include <algorithm>
#include <utility>

#include "readback/compiled_route.h"

namespace scenario {

SheetRoute sheet_route(const DecodedRecords& records, const DecodedTrack& track, std::string train) {
  const CompiledRoute route = compiled_route(&records, track);
  const auto& record = records.record;
  const auto& celle = track.celle;
  SheetRoute sheet;
  sheet.train = std::move(train);
  sheet.length = route.length;
  sheet.braked_mass = record[kTrainDataSlot].inizio_zona;
  sheet.kilometre = route.kilometre;
  for (const RouteStation& s : route.stations) {
    const Record& r = record[static_cast<size_t>(s.slot)];
    sheet.stations.push_back({s.slot, r.nome_punto, s.position, s.zone_from, s.zone_to,
                              s.time != 0 ? std::optional<int32_t>(s.time) : std::nullopt});
  }
  // The cells past the route's end belong to the model's run-out.
  for (size_t i = 0; i < celle.size() && static_cast<int64_t>(i) * kCellMetres < route.length; ++i) {
    const int kmh = speed_kmh(celle[i]);
    if (sheet.limits.empty() || sheet.limits.back().kmh != kmh)
      sheet.limits.push_back({static_cast<int64_t>(i) * kCellMetres, kmh});
  }
  for (const RouteSlowdown& s : route.slowdowns) sheet.slowdowns.push_back({s.from, s.to, s.speed});
  return sheet;
}

int limit_at(const std::vector<LimitChange>& limits, int64_t at) {
  const auto after = std::upper_bound(limits.begin(), limits.end(), at,
                                      [](int64_t m, const LimitChange& c) { return m < c.at; });
  return after == limits.begin() ? 0 : std::prev(after)->kmh;
}

}  // namespace scenario
