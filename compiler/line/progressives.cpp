#include "compiler/line/progressives.h"

#include <array>
#include <cstdint>

#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

struct Progressive {
  int32_t position = 0;   // inizio_zona
  int32_t kilometre = 0;  // fine_zona
  int32_t flag = 0;       // posizione_punto
  int source = 0;         // the record it was read into; 0 for a cleared one
};

Progressive from(const Record& r, int slot) { return {r.inizio_zona, r.fine_zona, r.posizione_punto, slot}; }

void store(Record& r, const Progressive& p) {
  r.inizio_zona = p.position;
  r.fine_zona = p.kilometre;
  r.posizione_punto = p.flag;
}

using Order = std::array<Progressive, 3>;  // records 81, 82, 83

// The positions add up to 0: a later rule overrides an earlier one.
Order by_kilometre(const Progressive& t, const Progressive& d, const Progressive& u) {
  Order result{};
  if (t.kilometre > 0) result = {t, d, u};
  if (d.kilometre > 0) result = {d, t, u};
  if (u.kilometre > 0) result = {u, d, t};
  return result;
}

// Largest position first, strict comparisons; no strict largest clears all.
Order by_position(const Progressive& t, const Progressive& d, const Progressive& u) {
  if (t.position > d.position && t.position > u.position) {
    return d.position > u.position ? Order{t, d, u} : Order{t, u, d};
  }
  if (d.position > t.position && d.position > u.position) {
    return t.position > u.position ? Order{d, t, u} : Order{d, u, t};
  }
  if (u.position > t.position && u.position > d.position) {
    return t.position > d.position ? Order{u, t, d} : Order{u, d, t};
  }
  return Order{};
}

}  // namespace

ProgressiveSources sort_progressives(TrackModel& m) {
  constexpr int first = kFirstProgressiveSlot;
  const Progressive t = from(m.record[first], first);
  const Progressive d = from(m.record[first + 1], first + 1);
  const Progressive u = from(m.record[first + 2], first + 2);
  const int64_t position_sum = int64_t{t.position} + d.position + u.position;
  const Order order = position_sum == 0 ? by_kilometre(t, d, u) : by_position(t, d, u);
  ProgressiveSources sources{};
  for (int i = 0; i < 3; ++i) {
    store(m.record[first + i], order[i]);
    sources[i] = order[i].source;
  }
  for (int slot = first; slot < first + 3; ++slot) {
    Record& r = m.record[slot];
    if (r.posizione_punto == 1) r.fine_zona = checked<int32_t>(int64_t{r.fine_zona} + kFlaggedProgressiveMetres);
  }
  return sources;
}

}  // namespace scenario
