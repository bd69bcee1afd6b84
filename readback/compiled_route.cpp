#include "readback/compiled_route.h"

#include <algorithm>

#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "readback/cell_words.h"

namespace scenario {

std::optional<int32_t> recorded_route_length(const DecodedRecords& records) {
  const int32_t length = records.record[kTrainDataSlot].fine_zona;
  if (length <= 0) return std::nullopt;
  return length;
}

int32_t route_length(const DecodedRecords* records, const DecodedTrack& track) {
  if (records)
    if (const auto length = recorded_route_length(*records)) return *length;
  const auto cells = static_cast<int32_t>(track.celle.size());
  return std::max<int32_t>(0, (cells - 1) * kCellMetres - kModelExtension);
}

CompiledRoute compiled_route(const DecodedRecords* records, const DecodedTrack& track) {
  CompiledRoute route;
  route.length = route_length(records, track);
  if (records) route.kilometre = kilometre_stretches(*records);

  const auto& cells = track.celle;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cella& c = cells[i];
    const auto cell = static_cast<int64_t>(i);
    const int64_t from = cell * kCellMetres;
    if (c.montagna) {
      if (!route.mountains.empty() && route.mountains.back().to == from && route.mountains.back().type == c.montagna)
        route.mountains.back().to = from + kCellMetres;
      else
        route.mountains.push_back({from, from + kCellMetres, c.montagna});
    }
    if (c.oggetto == kNothing) continue;
    route.objects.push_back({cell, object_metre(cell), c.oggetto});
  }
  route.slowdowns = slowdown_spans(cells);

  if (!records) return route;
  const auto stops = stop_cells(cells);
  const auto roles = record_roles(*records, &track);
  for (int slot = 1; slot <= kFirstSignSlot; ++slot) {
    if (roles[static_cast<size_t>(slot)] != RecordRole::kStation) continue;
    const Record& r = records->record[static_cast<size_t>(slot)];
    const auto stop = stops.find(slot);
    route.stations.push_back({slot, to_utf8(r.nome_punto), r.posizione_punto, r.inizio_zona, r.fine_zona,
                              stop == stops.end() ? std::nullopt : std::optional<int64_t>(stop->second),
                              r.orario});
  }
  return route;
}

}  // namespace scenario
