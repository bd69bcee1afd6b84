// What the driver's sheets take from a compiled route: its stations with
// their zones, names and given times, the line's kilometre count, the speed
// limit along the route and the slowdowns. Built once from the compiled
// model, or by hand in the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/model/model.h"
#include "readback/decode.h"
#include "readback/line_kilometre.h"

namespace scenario {

struct SheetStation {
  int slot = 0;          // its record
  std::string name;      // Windows-1252, as the record holds it
  int32_t position = 0;  // metres from the start of the route
  int32_t zone_from = 0;
  int32_t zone_to = 0;
  std::optional<int32_t> given;  // the description's time, seconds since midnight; none where it gives 0
};

// The speed limit from `at` (route metres) on.
struct LimitChange {
  int64_t at = 0;
  int kmh = 0;
  bool operator==(const LimitChange&) const = default;
};

// A slowdown over route metres [from, to].
struct SheetSlowdown {
  int64_t from = 0;
  int64_t to = 0;
  int speed = 0;  // km/h
};

struct SheetRoute {
  std::string train;     // the train number, Windows-1252
  int32_t length = 0;    // metres
  int braked_mass = 0;   // per cent; 0 when the description gives none
  std::vector<SheetStation> stations;       // in route order
  std::vector<KilometreStretch> kilometre;  // the line's count, readback/line_kilometre.h
  std::vector<LimitChange> limits;          // the first at 0, then one at each change up to the route's end
  std::vector<SheetSlowdown> slowdowns;     // in route order
};

// The sheets' route from a compiled route's records and track, read as the
// author tools read one (readback/compiled_route.h), for train `train`. The
// stations' names and the braked mass come from the records, in their own
// code page; the limits are the cells' (a cell i covers metres [50 i, 50 i +
// 50)), which slowdowns never write.
SheetRoute sheet_route(const DecodedRecords& records, const DecodedTrack& track, std::string train);

// The limit in force at route metre `at`: the last change at or before it;
// 0 before the first.
int limit_at(const std::vector<LimitChange>& limits, int64_t at);

}  // namespace scenario
