#include "tools/plot_route.h"

#include <algorithm>
#include <optional>

#include "compiler/model/numbers.h"
#include "readback/cell_words.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

int32_t object_position(size_t cell) { return static_cast<int32_t>(object_metre(static_cast<int64_t>(cell))); }

void extend(std::vector<Stretch>& list, int32_t from, int value) {
  if (!list.empty() && list.back().to == from && list.back().value == value) {
    list.back().to = from + kCellMetres;
  } else {
    list.push_back({from, from + kCellMetres, value});
  }
}

}  // namespace

Route read_route(const DecodedRecords& records, const DecodedTrack& track) {
  Route r;
  const auto& cells = track.celle;
  r.length = records.record[kTrainDataSlot].fine_zona;
  // Without a route length, the track's: its last cell less the model's extension.
  if (r.length <= 0)
    r.length =
        std::max<int32_t>(kCellMetres, (static_cast<int32_t>(cells.size()) - 1) * kCellMetres - kModelExtension);

  std::optional<size_t> open_slowdown;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cella& c = cells[i];
    const int32_t at = object_position(i);
    switch (c.oggetto) {
      case kSignal: r.signals.push_back(at); break;
      case kSpeedIndicator:
        if (const auto speeds = board_speeds(c.valore1)) r.indicators.emplace_back(at, speeds->left);
        break;
      case kSlowdownWarning: r.warnings.push_back(at); break;
      case kSlowdownStart: open_slowdown = i; break;
      case kSlowdownEnd:
        if (open_slowdown)
          r.slowdowns.push_back({object_position(*open_slowdown), at, cells[*open_slowdown].valore1});
        open_slowdown.reset();
        break;
      default: break;
    }
    // A stretch attribute of cell i covers i * 50 .. i * 50 + 50.
    const auto from = static_cast<int32_t>(i) * kCellMetres;
    if (from >= r.length) continue;
    if (c.montagna) extend(r.mountains, from, c.montagna);
    if (c.pendenza) extend(r.gradients, from, gradient_permille(c));
    if (c.velocita) extend(r.speeds, from, speed_kmh(c));
  }
  const auto roles = record_roles(records, &track);
  for (int slot = 1; slot <= kFirstSignSlot; ++slot) {
    const Record& rec = records.record[static_cast<size_t>(slot)];
    if (roles[static_cast<size_t>(slot)] != RecordRole::kStation) continue;
    r.stations.push_back({rec.posizione_punto, rec.inizio_zona, rec.fine_zona, to_utf8(rec.nome_punto)});
  }
  return r;
}

}  // namespace scenario::tools
