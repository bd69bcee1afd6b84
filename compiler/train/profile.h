// The speed limit and the adhesion along the track. Each "velocita" and
// "aderenza" row fills the cells from the previous row's cell up to its own,
// with the previous row's value; the value of the last row is filled to the
// end of the track once the rows are read. Rows in docs/formats.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

class SpeedAndAdhesion {
 public:
  // Read the row's position and value (the keyword is already read).
  Next read_speed_row(const Row& row);
  Next read_adhesion_row(const Row& row);

  // Fills `velocita` and `dato_treno` from where each fill stopped up to the
  // fourth-last cell, and at least one cell.
  void fill_to_end(TrackModel& m);

 private:
  struct Fill {
    int32_t next_cell = 0;  // the first cell not yet written
    int32_t value = 0;      // the value in force there
    std::optional<int32_t> furthest_row;  // the furthest position of a row so far, for the notes
    Place value_at;  // the field that gave `value`: a value the cells cannot hold is its fault
  };
  // Writes a value into a cell; throws ReadFailure when the cell cannot
  // hold it.
  using Writer = void (*)(Cella& cell, int32_t value);

  static Next read_row(const Row& row, Fill& fill, Writer write, std::string_view what);
  // Writes the value in force into the cells before `until`.
  static void fill_to(TrackModel& m, Fill& fill, int64_t until, Writer write);
  static void finish(TrackModel& m, Fill& fill, Writer write);

  Fill speed_;  // km/h
  Fill adhesion_;
};

}  // namespace scenario
