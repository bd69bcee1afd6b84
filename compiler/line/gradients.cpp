#include "compiler/line/gradients.h"

#include <algorithm>

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {

Next Gradients::read_row(const Row& row) {
  const int32_t p = row.in.number();
  const Place p_at = row.here();
  const int32_t g = row.in.number();
  const Place g_at = row.here();
  TrackModel& m = row.s.model;
  if (beyond_track(m, p, 100)) return row.end_beyond_track(p, p_at);
  const int64_t e = cell_of_stretch(p);
  if (row.notes) {
    row.notes->stretch(p_at, p, furthest_, "la pendenza");
    furthest_ = std::max(furthest_.value_or(p), p);
  }
  if (e > 0) fill(m, e);
  gradient_ = g;
  gradient_place_ = g_at;
  ++row.s.rows_read.gradients;
  return Next::kRow;
}

// Writes the gradient in force (plus 100) into the cursor's cell and
// advances the cursor, at least once and then while it is below `until`.
// Cells past the last one are passed over. A gradient that does not fit is
// the fault of the field that gave it.
void Gradients::fill(TrackModel& m, int64_t until) {
  do {
    if (cursor_ <= m.last_cell) {
      try {
        m.celle[static_cast<size_t>(cursor_)].pendenza = checked<uint8_t>(int64_t{gradient_} + 100);
      } catch (ReadFailure& failure) {
        failure.detail = "la pendenza " + std::to_string(gradient_) + " non sta tra -100 e 155 per mille";
        failure.line = gradient_place_.line;
        failure.column = gradient_place_.column;
        throw;
      }
    }
    ++cursor_;
  } while (cursor_ < until);
}

}  // namespace scenario
