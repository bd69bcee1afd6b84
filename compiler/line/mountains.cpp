#include "compiler/line/mountains.h"

#include <algorithm>

#include "compiler/model/numbers.h"
#include "compiler/text/notes.h"
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

void place_mountain(TrackModel& m, int32_t start, int32_t end, int32_t type) {
  if (m.mountain_count >= kMountainSlots - 1) {
    throw ReadFailure{"il tratto di montagna n. " + std::to_string(kMountainSlots) + " non trova posto: al massimo " +
                      std::to_string(kMountainSlots - 1)};
  }

  const bool marked = type > kMarkedOffset;
  if (marked) type -= kMarkedOffset;

  if (follows_closely(m, start)) type = kCloseStretchType;
  const int32_t n = ++m.mountain_count;
  m.mountain_starts[n] = start;
  m.mountain_ends[n] = end;

  const int64_t first = cell_of_stretch(start);
  const int64_t last = std::min<int64_t>(last_cell_of_stretch(end), m.last_cell);
  for (int64_t i = std::max<int64_t>(first, 0); i <= last; ++i) {
    Cella& cell = m.celle[static_cast<size_t>(i)];
    cell.montagna = low_bits<uint8_t>(type);
    const int64_t count = i - first + 1;
    if (marked && count % kMarkerEvery == 0 && cell.oggetto == kNothing) cell.oggetto = kMountainMarker;
  }
}

bool follows_closely(const TrackModel& m, int32_t start) {
  const int32_t n = m.mountain_count;
  return n > 0 && int64_t{start} - m.mountain_ends[static_cast<size_t>(n)] <= kCloseStretchGap;
}

Next read_mountain_row(const Row& row) {
  const int32_t start = row.in.number();
  const Place at = row.here();
  const int32_t end = row.in.number();
  const Place fine_at = row.here();
  const int32_t type = row.in.number();
  TrackModel& m = row.s.model;
  if (beyond_track(m, start, 100)) return row.end_beyond_track(start, at);
  if (Notes* notes = row.notes) {
    const int64_t first = cell_of_stretch(start);
    notes->off_grid(at, start, first, first * kCellMetres);
    if (end % 50 != 0) {
      const int64_t last = last_cell_of_stretch(end);
      notes->add(WarningKind::kPositionRounded, fine_at,
                 std::to_string(end) + " m non è un multiplo di 50: il tratto finisce con la cella " +
                     std::to_string(last) + ", a " + std::to_string((last + 1) * kCellMetres) + " m",
                 end, last);
    }
    if (start < 0 || end / 50 > m.last_cell) {
      notes->add(WarningKind::kPositionClipped, at, "il tratto esce dal modello: vale solo sulle sue celle", start);
    }
    if (follows_closely(m, start)) {
      notes->add(WarningKind::kCloseMountain, at,
                 "il tratto inizia a " + std::to_string(kCloseStretchGap) + " m o meno" +
                     " dalla fine del precedente: prende il tipo " + std::to_string(kCloseStretchType),
                 start);
    }
  }
  place_mountain(m, start, end, type);
  return Next::kRow;
}

}  // namespace scenario
