#include "tools/plot/plot_route.h"

#include <algorithm>

#include "readback/cell_words.h"
#include "readback/compiled_route.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

void extend(std::vector<Stretch>& list, int32_t from, int value) {
  if (!list.empty() && list.back().to == from && list.back().value == value) {
    list.back().to = from + kCellMetres;
  } else {
    list.push_back({from, from + kCellMetres, value});
  }
}

int32_t metres(int64_t m) { return static_cast<int32_t>(m); }

// The end of the cell in which `metre` lies, or `metre` itself on a cell's end.
int64_t cell_end(int32_t metre) { return (int64_t{metre} + kCellMetres - 1) / kCellMetres * kCellMetres; }

}  // namespace

Route read_route(const DecodedRecords& records, const DecodedTrack& track) {
  const CompiledRoute route = compiled_route(&records, track);
  const auto& cells = track.celle;
  Route r;
  // A route of no length still gets one cell's width to be drawn on.
  r.length = route.length > 0 ? route.length : kCellMetres;
  for (const RouteObject& o : route.objects) {
    const Cella& c = cells[static_cast<size_t>(o.cell)];
    switch (o.code) {
      case kSignal: r.signals.push_back(metres(o.at)); break;
      case kSpeedIndicator:
        if (const auto speeds = board_speeds(c.valore1)) r.indicators.emplace_back(metres(o.at), speeds->left);
        break;
      case kSlowdownWarning: r.warnings.push_back(metres(o.at)); break;
      default: break;
    }
  }
  for (const RouteSlowdown& s : route.slowdowns) r.slowdowns.push_back({metres(s.from), metres(s.to), s.speed});
  // The drawing stops with the cell where the route ends.
  for (const MountainStretch& m : route.mountains) {
    if (m.from >= r.length) break;
    r.mountains.push_back({metres(m.from), metres(std::min<int64_t>(m.to, cell_end(r.length))), m.type});
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    // A stretch attribute of cell i covers i * 50 .. i * 50 + 50.
    const auto from = static_cast<int32_t>(i) * kCellMetres;
    if (from >= r.length) break;
    if (cells[i].pendenza) extend(r.gradients, from, gradient_permille(cells[i]));
    if (cells[i].velocita) extend(r.speeds, from, speed_kmh(cells[i]));
  }
  for (const RouteStation& s : route.stations) r.stations.push_back({s.position, s.zone_from, s.zone_to, s.name});
  return r;
}

}  // namespace scenario::tools
