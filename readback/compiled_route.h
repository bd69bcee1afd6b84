// One compiled route as the author tools read it back, built once from the
// decoded records and track: its length, kilometre posts, stations, point
// objects with their positions, slowdowns with their boards and mountain
// stretches. `inspect`, `plot` and `view` all take these from here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/model/placed_objects.h"
#include "readback/decode.h"
#include "readback/line_kilometre.h"

namespace scenario {

// The route length in metres: the one the records give (record 84), else the
// track's, its last cell less the model's extension; 0 when neither has one.
int32_t route_length(const DecodedRecords* records, const DecodedTrack& track);

// The length the records alone give: record 84, or nothing when it is not
// positive.
std::optional<int32_t> recorded_route_length(const DecodedRecords& records);

struct RouteStation {
  int slot = 0;
  std::string name;  // UTF-8
  int32_t position = 0;
  int32_t zone_from = 0;
  int32_t zone_to = 0;
  std::optional<int64_t> stop_cell;  // the cell of its stop object, when there is one
  int32_t time = 0;                  // seconds since midnight
};

// A cell holding a point object; the object is `track.celle[cell]`.
struct RouteObject {
  int64_t cell = 0;
  int64_t at = 0;  // the metre it stands at, (cell - 1) * 50
  uint8_t code = 0;
};

// A slowdown from its start to its end object, with its warning board.
using RouteSlowdown = SlowdownSpan;

// Cells of one mountain type joined into metres [from, to).
struct MountainStretch {
  int64_t from = 0;
  int64_t to = 0;
  int type = 0;
};

struct CompiledRoute {
  int32_t length = 0;
  std::vector<KilometreStretch> kilometre;  // none without the records
  std::vector<RouteStation> stations;       // none without the records
  std::vector<RouteObject> objects;         // in cell order
  std::vector<RouteSlowdown> slowdowns;
  std::vector<MountainStretch> mountains;   // over the whole track, the extension too
};

// `records` may be null: the route is then read from the track alone.
CompiledRoute compiled_route(const DecodedRecords* records, const DecodedTrack& track);

}  // namespace scenario
