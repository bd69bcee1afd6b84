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

  // Fills `velocita` and `dato_treno` from where each fill stopped up to the
  // fourth-last cell, and at least one cell.
  void fill_to_end(Modello& m);

 private:
  struct Fill {
    int32_t next_cell = 0;  // the first cell not yet written
    int32_t value = 0;      // the value in force there
  };
  using Writer = void (*)(Cella& cell, int32_t value);

  static RowOutcome read_row(FieldReader& in, Stato& s, int riga, Fill& fill, Writer write);
  static void finish(Modello& m, Fill& fill, Writer write);

  Fill speed_;  // km/h
  Fill adhesion_;
};

}  // namespace scenario
