// What a compiled scenario holds along its route, in metres, as the plot
// draws it: stations with their zones, signals, boards, slowdowns, mountain
// stretches, and the gradient and speed limit cell by cell.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "readback/decode.h"

namespace scenario::tools {

struct Station {
  int32_t position, zone_start, zone_end;
  std::string name;
};

struct Stretch {
  int32_t from, to;
  int value;
};

struct Route {
  int32_t length = 0;  // metres of line (without the model's extension)
  std::vector<Station> stations;
  std::vector<int32_t> signals;
  std::vector<std::pair<int32_t, int>> indicators;  // position, rank-A speed on the left board
  std::vector<int32_t> warnings;
  std::vector<Stretch> slowdowns;   // start to end, speed
  std::vector<Stretch> mountains;   // covered cells joined, type
  std::vector<Stretch> gradients;   // per cell, per mille
  std::vector<Stretch> speeds;      // per cell, km/h
};

Route read_route(const DecodedRecords& records, const DecodedTrack& track);

}  // namespace scenario::tools
