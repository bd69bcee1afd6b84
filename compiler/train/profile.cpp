#include "compiler/train/profile.h"

#include <algorithm>
#include <cstdint>

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

// The limit is stored in units of 5 km/h; one that does not fit a byte is a
// reading failure.
constexpr int32_t kSpeedUnit = 5;

void write_speed(Cella& cell, int32_t kmh) {
  const auto units = static_cast<int64_t>(nearest_even(kmh / static_cast<double>(kSpeedUnit)));
  if (units < 0 || units > UINT8_MAX) {
    throw ReadFailure{"la velocità " + std::to_string(kmh) + " km/h non sta nelle celle, che tengono da 0 a " +
                      std::to_string(UINT8_MAX * kSpeedUnit) + " km/h"};
  }
  cell.velocita = static_cast<uint8_t>(units);
}

// The adhesion keeps its low byte.
void write_adhesion(Cella& cell, int32_t value) { cell.dato_treno = low_bits<uint8_t>(value); }

}  // namespace

Next SpeedAndAdhesion::read_speed_row(const Row& row) {
  return read_row(row, speed_, write_speed, "la velocità");
}

Next SpeedAndAdhesion::read_adhesion_row(const Row& row) {
  return read_row(row, adhesion_, write_adhesion, "l'aderenza");
}

void SpeedAndAdhesion::fill_to_end(TrackModel& m) {
  finish(m, speed_, write_speed);
  finish(m, adhesion_, write_adhesion);
}

Next SpeedAndAdhesion::read_row(const Row& row, Fill& fill, Writer write, std::string_view what) {
  const int32_t position = row.in.number();
  const Place at = row.here();
  const int32_t value = row.in.number();
  TrackModel& m = row.s.model;
  if (beyond_track(m, position, 100)) return row.end_beyond_track(position, at);
  const Place value_at = row.here();
  if (row.notes) {
    row.notes->stretch(at, position, fill.furthest_row, what);
    fill.furthest_row = std::max(fill.furthest_row.value_or(position), position);
    // A value the cells cannot hold fails where the next row writes it; a
    // diagnostic reading reports it at once, at its own row.
    Cella probe;
    write(probe, value);
  }
  // The range check keeps `until` at or below the third-last cell.
  fill_to(m, fill, cell_of_stretch(position), write);
  fill.value = value;
  fill.value_at = value_at;
  return Next::kRow;
}

// A failure is the fault of the row that gave the value, wherever it is written.
void SpeedAndAdhesion::fill_to(TrackModel& m, Fill& fill, int64_t until, Writer write) {
  try {
    while (fill.next_cell < until) write(m.celle[fill.next_cell++], fill.value);
  } catch (ReadFailure& failure) {
    failure.line = fill.value_at.line;
    failure.column = fill.value_at.column;
    throw;
  }
}

// A row at the last position leaves the fill at the third-last cell, which
// then gets the row's value.
void SpeedAndAdhesion::finish(TrackModel& m, Fill& fill, Writer write) {
  fill_to(m, fill, std::max<int64_t>(fill.next_cell + 1, m.last_cell - 2), write);
}

}  // namespace scenario
