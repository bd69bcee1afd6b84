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

void place_mountain(TrackModel& m, int32_t inizio, int32_t fine, int32_t tipo) {
  if (m.mountain_count >= kMountainSlots - 1) {
    throw ReadFailure{"il tratto di montagna n. " + std::to_string(kMountainSlots) + " non trova posto: al massimo " +
                      std::to_string(kMountainSlots - 1)};
  }

  const bool marked = tipo > kMarkedOffset;
  if (marked) tipo -= kMarkedOffset;

  if (follows_closely(m, inizio)) tipo = kCloseStretchType;
  const int32_t n = ++m.mountain_count;
  m.mountain_starts[n] = inizio;
  m.mountain_ends[n] = fine;

  const int64_t first = cell_of_stretch(inizio);
  const int64_t last = std::min<int64_t>(last_cell_of_stretch(fine), m.last_cell);
  for (int64_t i = std::max<int64_t>(first, 0); i <= last; ++i) {
    Cella& cell = m.celle[static_cast<size_t>(i)];
    cell.montagna = low_bits<uint8_t>(tipo);
    const int64_t count = i - first + 1;
    if (marked && count % kMarkerEvery == 0 && cell.oggetto == kNothing) cell.oggetto = kMountainMarker;
  }
}

bool follows_closely(const TrackModel& m, int32_t inizio) {
  const int32_t n = m.mountain_count;
  return n > 0 && int64_t{inizio} - m.mountain_ends[static_cast<size_t>(n)] <= kCloseStretchGap;
}

Next read_mountain_row(const Row& row) {
  const int32_t inizio = row.in.number();
  const Place at = row.here();
  const int32_t fine = row.in.number();
  const Place fine_at = row.here();
  const int32_t tipo = row.in.number();
  TrackModel& m = row.s.model;
  if (beyond_track(m, inizio, 100)) return row.end_beyond_track(inizio, at);
  if (Notes* notes = row.notes) {
    const int64_t first = cell_of_stretch(inizio);
    notes->off_grid(at, inizio, first, first * kCellMetres);
    if (fine % 50 != 0) {
      const int64_t last = last_cell_of_stretch(fine);
      notes->add(WarningKind::kPositionRounded, fine_at,
                 std::to_string(fine) + " m non è un multiplo di 50: il tratto finisce con la cella " +
                     std::to_string(last) + ", a " + std::to_string((last + 1) * kCellMetres) + " m",
                 fine, last);
    }
    if (inizio < 0 || fine / 50 > m.last_cell) {
      notes->add(WarningKind::kPositionClipped, at, "il tratto esce dal modello: vale solo sulle sue celle", inizio);
    }
    if (follows_closely(m, inizio)) {
      notes->add(WarningKind::kCloseMountain, at,
                 "il tratto inizia a " + std::to_string(kCloseStretchGap) + " m o meno" +
                     " dalla fine del precedente: prende il tipo " + std::to_string(kCloseStretchType),
                 inizio);
    }
  }
  place_mountain(m, inizio, fine, tipo);
  return Next::kRow;
}

}  // namespace scenario
