// Gradients of the line description: each "pendenza" row changes the
// gradient from its position on. The gradient in force is written, plus
// 100, into every cell up to the next change; the last one runs on to the
// end of the track once the rows are read. docs/formats.md, "Line
// description".
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/model/model.h"
#include "compiler/text/row.h"

namespace scenario {

class Gradients {
 public:
  // Reads a "pendenza" row (position, gradient per mille; the keyword is
  // already read). A change at p writes the gradient in force so far up to
  // the cell before nearest-even(p / 50); a change at p = 0 writes nothing,
  // the new gradient is written when the next change (or the closing fill)
  // comes.
  Next read_row(const Row& row);

  // The closing fill: the last gradient runs on to three cells before the
  // end of the track.
  void fill_to_end(TrackModel& m) { fill(m, int64_t{m.last_cell} - 2); }

 private:
  void fill(TrackModel& m, int64_t until);

  int64_t cursor_ = 0;  // first cell whose gradient is not yet written
  int32_t gradient_ = 0;
  Place gradient_place_;               // the field that gave it
  std::optional<int32_t> furthest_;    // for the notes on rows out of order
};

}  // namespace scenario
