// The speed limit and the adhesion along the track. Each "velocita" and
// "aderenza" row fills the cells from the previous row's cell up to its own,
// with the previous row's value; the value of the last row is filled to the
// end of the track once the rows are read. Rows in docs/formats.md.
#pragma once

#include <cstdint>

#include "compiler/line/field_reader.h"
#include "compiler/model/state.h"
#include "compiler/train/row_outcome.h"

namespace scenario {

class SpeedAndAdhesion {
 public:
  // Read the row's position and value (the keyword is already read).
  RowOutcome read_speed_row(FieldReader& in, Stato& s, int riga);
  RowOutcome read_adhesion_row(FieldReader& in, Stato& s, int riga);

  // Fills `velocita` and `dato_treno` from where each fill stopped, at least
  // one cell and up to the third-last cell, which stays unfilled.
  void fill_to_end(Modello& m);

 private:
  void write_speed(Modello& m);
  void write_adhesion(Modello& m);

  // Each fill: the first cell not yet written and the value in force there.
  int32_t speed_cell_ = 0;
  int32_t speed_ = 0;  // km/h
  int32_t adhesion_cell_ = 0;
  int32_t adhesion_ = 0;
};

}  // namespace scenario
