#include "tools/plot_route.h"

#include <algorithm>
#include <optional>
#include <set>

#include "tools/text.h"

namespace scenario::tools {
namespace {

// A point object in cell i stands at (i - 1) * 50 m; a stretch attribute of
// cell i covers i * 50 .. i * 50 + 50.
int32_t object_position(size_t cell) { return static_cast<int32_t>(cell) * 50 - 50; }

void extend(std::vector<Stretch>& list, int32_t from, int value) {
  if (!list.empty() && list.back().to == from && list.back().value == value) {
    list.back().to = from + 50;
  } else {
    list.push_back({from, from + 50, value});
  }
}

}  // namespace

Route read_route(const DecodedRecords& records, const DecodedTrack& track) {
  Route r;
  const auto& cells = track.celle;
  r.length = records.record[84].fine_zona;
  if (r.length <= 0) r.length = std::max<int32_t>(50, static_cast<int32_t>(cells.size()) * 50 - 7050);

  std::set<int> sign_slots;
  std::optional<size_t> open_slowdown;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cella& c = cells[i];
    const int32_t at = object_position(i);
    switch (c.oggetto) {
      case kSignal: r.signals.push_back(at); break;
      case kSpeedIndicator: r.indicators.emplace_back(at, c.valore1 / 20); break;
      case kSlowdownWarning: r.warnings.push_back(at); break;
      case kSlowdownStart: open_slowdown = i; break;
      case kSlowdownEnd:
        if (open_slowdown)
          r.slowdowns.push_back({object_position(*open_slowdown), at, cells[*open_slowdown].valore1});
        open_slowdown.reset();
        break;
      case kDirectionSign: sign_slots.insert(c.valore1); break;
      default: break;
    }
    const auto from = static_cast<int32_t>(i) * 50;
    if (from >= r.length) continue;
    if (c.montagna) extend(r.mountains, from, c.montagna);
    if (c.pendenza) extend(r.gradients, from, c.pendenza - 100);
    if (c.velocita) extend(r.speeds, from, c.velocita * 5);
  }
  for (int slot = 1; slot <= 80; ++slot) {
    const Record& rec = records.record[static_cast<size_t>(slot)];
    if (sign_slots.count(slot) || rec.nome_punto.empty()) continue;
    r.stations.push_back({rec.posizione_punto, rec.inizio_zona, rec.fine_zona, to_utf8(rec.nome_punto)});
  }
  return r;
}

}  // namespace scenario::tools
