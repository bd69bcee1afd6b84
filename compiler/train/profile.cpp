#include "compiler/train/profile.h"

#include "compiler/model/numbers.h"

namespace scenario {

RowOutcome SpeedAndAdhesion::read_speed_row(FieldReader& in, Stato& s, int riga) {
  const int32_t position = in.number();
  const int32_t speed = in.number();
  Modello& m = s.modello;
  if (beyond_track(m, position, 100)) {
    record_error(s, 15, position, riga);
    return RowOutcome::kLeaveLoop;
  }
  const int64_t until = cell_of_stretch(position);
  while (speed_cell_ < until && speed_cell_ < m.numero_celle) write_speed(m);
  speed_ = speed;
  return RowOutcome::kNext;
}

RowOutcome SpeedAndAdhesion::read_adhesion_row(FieldReader& in, Stato& s, int riga) {
  const int32_t position = in.number();
  const int32_t value = in.number();
  Modello& m = s.modello;
  if (beyond_track(m, position, 100)) {
    record_error(s, 15, position, riga);
    return RowOutcome::kLeaveLoop;
  }
  // The range check keeps `until` at or below the third-last cell.
  const int64_t until = cell_of_stretch(position);
  while (adhesion_cell_ < until) write_adhesion(m);
  adhesion_ = value;
  return RowOutcome::kNext;
}

void SpeedAndAdhesion::fill_to_end(Modello& m) {
  do {
    write_speed(m);
  } while (speed_cell_ < m.numero_celle - 2);
  do {
    write_adhesion(m);
  } while (adhesion_cell_ < m.numero_celle - 2);
}

// The limit is stored in units of 5 km/h; one that does not fit a byte is a
// reading failure.
void SpeedAndAdhesion::write_speed(Modello& m) {
  m.celle[speed_cell_].velocita = checked<uint8_t>(static_cast<int64_t>(nearest_even(speed_ / 5.0)));
  ++speed_cell_;
}

// The adhesion keeps its low byte.
void SpeedAndAdhesion::write_adhesion(Modello& m) {
  m.celle[adhesion_cell_].dato_treno = low_bits<uint8_t>(adhesion_);
  ++adhesion_cell_;
}

}  // namespace scenario
