#include "compiler/output/line_kilometre.h"

#include <algorithm>

namespace scenario {

std::vector<KilometreStretch> kilometre_stretches(const DecodedRecords& records) {
  std::vector<KilometreStretch> starts;
  for (size_t slot = 81; slot <= 83; ++slot) {
    const Record& r = records.record[slot];
    if (r.inizio_zona == 0 && r.fine_zona == 0 && r.posizione_punto == 0) continue;
    starts.push_back({r.inizio_zona, std::nullopt, r.fine_zona});
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const KilometreStretch& a, const KilometreStretch& b) { return a.from < b.from; });
  starts.erase(std::unique(starts.begin(), starts.end(),
                           [](const KilometreStretch& a, const KilometreStretch& b) { return a.from == b.from; }),
               starts.end());
  for (size_t i = 0; i + 1 < starts.size(); ++i) starts[i].to = starts[i + 1].from;
  return starts;
}

std::optional<int64_t> line_metre(const std::vector<KilometreStretch>& stretches, int64_t route_metre) {
  for (const KilometreStretch& s : stretches) {
    if (route_metre >= s.from && (!s.to || route_metre < *s.to)) return route_metre + s.offset;
  }
  return std::nullopt;
}

}  // namespace scenario
