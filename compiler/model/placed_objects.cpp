#include "compiler/model/placed_objects.h"

#include "compiler/model/numbers.h"

namespace scenario {

std::vector<SlowdownSpan> slowdown_spans(std::span<const Cella> celle) {
  std::vector<SlowdownSpan> spans;
  std::optional<SlowdownSpan> open;
  std::optional<int64_t> warning;
  for (size_t i = 0; i < celle.size(); ++i) {
    const Cella& c = celle[i];
    const int64_t at = object_metre(static_cast<int64_t>(i));
    switch (c.oggetto) {
      case kSlowdownWarning: warning = at; break;
      case kSlowdownStart: open = SlowdownSpan{at, at, c.valore1, warning}; break;
      case kSlowdownEnd:
        if (open) {
          open->to = at;
          spans.push_back(*open);
          warning.reset();
        }
        open.reset();
        break;
      default: break;
    }
  }
  return spans;
}

std::map<int, int64_t> stop_cells(std::span<const Cella> celle) {
  std::map<int, int64_t> stops;
  for (size_t i = 0; i < celle.size(); ++i)
    if (celle[i].oggetto == kStationStop) stops.emplace(celle[i].valore1, static_cast<int64_t>(i));
  return stops;
}

}  // namespace scenario
