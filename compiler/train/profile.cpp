#include "compiler/train/profile.h"

#include <algorithm>

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

// The limit is stored in units of 5 km/h; one that does not fit a byte is a
// reading failure.
void write_speed(Cella& cell, int32_t kmh) {
  cell.velocita = checked<uint8_t>(static_cast<int64_t>(nearest_even(kmh / 5.0)));
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

void SpeedAndAdhesion::fill_to_end(Modello& m) {
  finish(m, speed_, write_speed);
  finish(m, adhesion_, write_adhesion);
}

Next SpeedAndAdhesion::read_row(const Row& row, Fill& fill, Writer write, std::string_view what) {
  const int32_t position = row.in.number();
  const Place at = row.here();
  const int32_t value = row.in.number();
  Modello& m = row.s.modello;
  if (beyond_track(m, position, 100)) return row.end_beyond_track(position, at);
  if (row.notes) {
    row.notes->stretch(at, position, fill.furthest_row, what);
    fill.furthest_row = std::max(fill.furthest_row.value_or(position), position);
  }
  // The range check keeps `until` at or below the third-last cell.
  const int64_t until = cell_of_stretch(position);
  while (fill.next_cell < until) write(m.celle[fill.next_cell++], fill.value);
  fill.value = value;
  return Next::kRow;
}

// A row at the last position leaves the fill at the third-last cell, which
// then gets the row's value.
void SpeedAndAdhesion::finish(Modello& m, Fill& fill, Writer write) {
  do {
    write(m.celle[fill.next_cell++], fill.value);
  } while (fill.next_cell < m.numero_celle - 2);
}

}  // namespace scenario
