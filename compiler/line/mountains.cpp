#include "compiler/line/mountains.h"

#include <algorithm>

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

constexpr int32_t kMarkedOffset = 10;
constexpr int32_t kCloseStretchType = 3;
constexpr int64_t kCloseStretchGap = 150;  // metres
constexpr int64_t kMarkerEvery = 4;        // cells

// Last cell covered by a stretch ending at f.
int64_t last_cell_of_stretch(int64_t f) {
  return static_cast<int64_t>(nearest_even(static_cast<double>(f) / 50.0 - 1.0));
}

}  // namespace

void memo_montagna(Modello& m, int32_t inizio, int32_t fine, int32_t tipo) {
  if (m.numero_montagne >= kMountainSlots - 1) {
    throw ReadFailure{"il tratto di montagna n. " + std::to_string(kMountainSlots) + " non trova posto: al massimo " +
                      std::to_string(kMountainSlots - 1)};
  }

  const bool marked = tipo > kMarkedOffset;
  if (marked) tipo -= kMarkedOffset;

  const int32_t n = ++m.numero_montagne;
  m.inizi_montagna[n] = inizio;
  m.fini_montagna[n] = fine;
  if (n > 1 && int64_t{inizio} - m.fini_montagna[n - 1] <= kCloseStretchGap) tipo = kCloseStretchType;

  const int64_t first = cell_of_stretch(inizio);
  const int64_t last = std::min<int64_t>(last_cell_of_stretch(fine), m.numero_celle);
  for (int64_t i = std::max<int64_t>(first, 0); i <= last; ++i) {
    Cella& cell = m.celle[static_cast<size_t>(i)];
    cell.montagna = low_bits<uint8_t>(tipo);
    const int64_t count = i - first + 1;
    if (marked && count % kMarkerEvery == 0 && cell.oggetto == kNothing) cell.oggetto = kMountainMarker;
  }
}

}  // namespace scenario
