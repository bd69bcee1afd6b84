#include "compiler/line/signs.h"

#include <string>
#include <utility>

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {

Next read_sign_row(const Row& row) {
  const int32_t p = row.in.number();
  const Place at = row.here();
  std::string text = row.in.text();
  TrackModel& m = row.s.model;
  if (object_beyond_track(m, p)) return row.end_beyond_track(p, at);
  const int64_t i = cell_of_object(p);
  Cella& cell = m.celle[static_cast<size_t>(i)];
  if (!is_free(cell)) return row.stop(ErrorCode::kSignCellOccupied, at, p, i);
  if (m.next_sign_slot < 0) {
    throw ReadFailure{"il cartello indicatore n. " + std::to_string(kFirstSignSlot + 2) +
                      " non trova posto: i record dei cartelli sono " + std::to_string(kFirstSignSlot + 1)};
  }
  if (row.notes) {
    row.notes->point(at, p, row.line_end());
    row.notes->cell_one(at, i, "il cartello");
  }
  const auto slot = static_cast<size_t>(m.next_sign_slot);
  cell.oggetto = kDirectionSign;
  cell.valore1 = static_cast<int16_t>(m.next_sign_slot);
  m.record[slot].nome_punto = std::move(text);
  row.s.origins.record[slot] = row.place;
  row.s.origins.cella[static_cast<size_t>(i)] = row.place;
  --m.next_sign_slot;
  return Next::kRow;
}

}  // namespace scenario
