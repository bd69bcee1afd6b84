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
  Modello& m = row.s.modello;
  if (object_beyond_track(m, p)) return row.end_beyond_track(p, at);
  const int64_t i = cell_of_object(p);
  Cella& cell = m.celle[static_cast<size_t>(i)];
  if (!is_free(cell)) return row.stop(ErrorCode::kSignCellOccupied, at, p, i);
  if (m.slot_cartello < 0) {
    throw ReadFailure{"il cartello indicatore n. " + std::to_string(kFirstSignSlot + 2) +
                      " non trova posto: i record dei cartelli sono " + std::to_string(kFirstSignSlot + 1)};
  }
  if (row.notes) {
    row.notes->point(at, p, row.line_end());
    row.notes->cell_one(at, i, "il cartello");
  }
  const auto slot = static_cast<size_t>(m.slot_cartello);
  cell.oggetto = kDirectionSign;
  cell.valore1 = static_cast<int16_t>(m.slot_cartello);
  m.record[slot].nome_punto = std::move(text);
  row.s.origini.record[slot] = row.place;
  row.s.origini.cella[static_cast<size_t>(i)] = row.place;
  --m.slot_cartello;
  return Next::kRow;
}

}  // namespace scenario
