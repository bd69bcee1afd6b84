#include "compiler/train/profile.h"

#include "compiler/model/numbers.h"

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

RowOutcome SpeedAndAdhesion::read_speed_row(FieldReader& in, Stato& s, int riga) {
  return read_row(in, s, riga, speed_, write_speed);
}

RowOutcome SpeedAndAdhesion::read_adhesion_row(FieldReader& in, Stato& s, int riga) {
  return read_row(in, s, riga, adhesion_, write_adhesion);
}

void SpeedAndAdhesion::fill_to_end(Modello& m) {
  finish(m, speed_, write_speed);
  finish(m, adhesion_, write_adhesion);
}

RowOutcome SpeedAndAdhesion::read_row(FieldReader& in, Stato& s, int riga, Fill& fill, Writer write) {
  const int32_t position = in.number();
  const int32_t value = in.number();
  Modello& m = s.modello;
  if (beyond_track(m, position, 100)) {
    record_error(s, 15, position, riga);
    return RowOutcome::kLeaveLoop;
  }
  // The range check keeps `until` at or below the third-last cell.
  const int64_t until = cell_of_stretch(position);
  while (fill.next_cell < until) write(m.celle[fill.next_cell++], fill.value);
  fill.value = value;
  return RowOutcome::kNext;
}

// A row at the last position leaves the fill at the third-last cell, which
// then gets the row's value.
void SpeedAndAdhesion::finish(Modello& m, Fill& fill, Writer write) {
  do {
    write(m.celle[fill.next_cell++], fill.value);
  } while (fill.next_cell < m.numero_celle - 2);
}

}  // namespace scenario
