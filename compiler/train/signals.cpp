#include "compiler/train/signals.h"

#include "compiler/model/numbers.h"

namespace scenario {

void memo_segnale(Stato& s, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2, int32_t& s3, int32_t& rapp,
                  int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3, int32_t& tempo) {
  Modello& m = s.modello;
  const int64_t c = cell_of_object(posizione);
  Cella& cell = m.celle[c];
  if (!is_free(cell)) {
    s.codice_errore = 16;
    return;
  }
  // Sums in 64 bits; the members keep the low bits, as 16-bit sums would.
  const int64_t kind = int64_t{sx} * 3 + dx;
  cell.oggetto = kSignal;
  cell.valore1 = low_bits<int16_t>(int64_t{s1} * 10 + d1);
  cell.valore2 = low_bits<int16_t>(int64_t{s2} * 10 + d2);
  cell.valore3 = low_bits<int16_t>(int64_t{s3} * 10 + d3);
  cell.valore4 = low_bits<int16_t>(int64_t{rapp} * 10 + kind);
  if (tempo >= 1 && tempo <= 100) tempo = 101;
  cell.tempo_segnale = sx == 2 ? low_bits<uint8_t>(tempo) : 0;
  // Approach codes 100, 200, 300 and 400 m before the signal, overwriting
  // whatever is there; cells before the start of the track are skipped.
  for (int k = 1; k <= 4; ++k) {
    const int64_t before = c - 2 * k;
    if (before >= 0) m.celle[before].preavviso = low_bits<uint8_t>(kind * 10 + k);
  }
}

RowOutcome read_signal_row(FieldReader& in, Stato& s, int riga) {
  const int32_t posizione = in.number();
  int32_t sx = in.number();
  int32_t s1 = in.number();
  int32_t s2 = in.number();
  int32_t s3 = in.number();
  int32_t rapp = in.number();
  int32_t dx = in.number();
  int32_t d1 = in.number();
  int32_t d2 = in.number();
  int32_t d3 = in.number();
  int32_t tempo = in.number();
  if (beyond_track(s.modello, posizione, 100) || !in_track(s.modello, cell_of_object(posizione))) {
    record_error(s, 15, posizione, riga);
    return RowOutcome::kLeaveLoop;
  }
  memo_segnale(s, posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo);
  if (s.codice_errore > 0) {
    record_error(s, s.codice_errore, posizione, riga);
    return RowOutcome::kStop;
  }
  return RowOutcome::kNext;
}

}  // namespace scenario
