#include "compiler/train/signals.h"

#include "compiler/model/numbers.h"
#include "compiler/train/standing_error.h"

namespace scenario {

bool place_signal(TrackModel& m, const Segnale& g) {
  const int64_t c = cell_of_object(g.posizione);
  Cella& cell = m.celle[static_cast<size_t>(c)];
  if (!is_free(cell)) return false;
  // Sums in 64 bits; the members keep the low bits, as 16-bit sums would.
  const int64_t kind = int64_t{g.sx} * 3 + g.dx;
  cell.oggetto = kSignal;
  cell.valore1 = low_bits<int16_t>(int64_t{g.s1} * 10 + g.d1);
  cell.valore2 = low_bits<int16_t>(int64_t{g.s2} * 10 + g.d2);
  cell.valore3 = low_bits<int16_t>(int64_t{g.s3} * 10 + g.d3);
  cell.valore4 = low_bits<int16_t>(int64_t{g.rapp} * 10 + kind);
  const int32_t tempo = g.tempo >= 1 && g.tempo <= 100 ? 101 : g.tempo;
  cell.tempo_segnale = g.sx == 2 ? low_bits<uint8_t>(tempo) : 0;
  // Approach codes 100, 200, 300 and 400 m before the signal, overwriting
  // whatever is there; cells before the start of the track are skipped.
  for (int k = 1; k <= 4; ++k) {
    const int64_t before = c - 2 * k;
    if (before >= 0) m.celle[static_cast<size_t>(before)].preavviso = low_bits<uint8_t>(kind * 10 + k);
  }
  return true;
}

namespace {

// A signal's values that its cell cannot hold apart: aspects are packed
// left × 10 + right, kinds left × 3 + right.
void note_signal(Notes& notes, Place at, const Segnale& g, int64_t cell, int32_t line_end) {
  notes.point(at, g.posizione, line_end);
  notes.cell_one(at, cell, "il segnale");
  const auto outside = [](int32_t v, int32_t top) { return v < 0 || v > top; };
  const bool aspects = outside(g.s1, 9) || outside(g.s2, 9) || outside(g.s3, 9) || outside(g.d1, 9) ||
                       outside(g.d2, 9) || outside(g.d3, 9);
  if (aspects || outside(g.dx, 2)) {
    notes.add(WarningKind::kValueOverflow, at,
              "un codice del segnale non sta nella sua cifra (aspetti da 0 a 9, tipo destro da 0 a 2): si mescola "
              "con quello dell'altro lato",
              g.posizione, cell);
  }
}

}  // namespace

Next read_signal_row(const Row& row) {
  Segnale g;
  g.posizione = row.in.number();
  const Place at = row.here();
  for (int32_t* value : {&g.sx, &g.s1, &g.s2, &g.s3, &g.rapp, &g.dx, &g.d1, &g.d2, &g.d3, &g.tempo}) {
    *value = row.in.number();
  }
  const TrackModel& m = row.s.model;
  const int64_t cell = cell_of_object(g.posizione);
  if (object_beyond_track(m, g.posizione)) return row.end_beyond_track(g.posizione, at);
  if (!place_signal(row.s.model, g)) return row.stop(ErrorCode::kSignalCellOccupied, at, g.posizione, cell);
  if (row.notes) note_signal(*row.notes, at, g, cell, row.line_end());
  row.s.origins.cella[static_cast<size_t>(cell)] = row.place;
  return stop_if_an_error_stands(row, g.posizione);
}

}  // namespace scenario
