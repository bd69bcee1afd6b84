#include "compiler/train/slowdowns.h"

#include <vector>

#include "compiler/model/numbers.h"

namespace scenario {
namespace {

// A slowdown starting at or before 1500 m has no warning board and no
// approach cells; the board stands 1200 m before the start.
constexpr int32_t kWarningFrom = 1500;
constexpr int32_t kWarningDistance = 1200;

// What the end, start and warning cells share: code, speed, second speed.
void mark(Cella& cell, ObjectCode code, int32_t v, int32_t d_v) {
  cell.oggetto = code;
  cell.valore1 = low_bits<int16_t>(v);
  if (d_v != 0) cell.valore2 = low_bits<int16_t>(d_v);
}

}  // namespace

void memo_rallentamento(Stato& s, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt, int32_t f_ta, int32_t& d_v) {
  std::vector<Cella>& celle = s.modello.celle;
  const bool warned = x > kWarningFrom;
  const int64_t start = cell_of_object(x);
  const int64_t end = cell_of_object(int64_t{x} + l);
  const int64_t warning = cell_of_object(int64_t{x} - kWarningDistance);
  if (warned) {
    if (!is_free(celle[warning])) {
      s.codice_errore = 17;
      return;
    }
  } else {
    f_ta = 0;
  }
  if (!is_free(celle[start])) {
    s.codice_errore = 18;
    return;
  }
  if (!is_free(celle[end])) {
    s.codice_errore = 19;
    return;
  }
  // End first: a slowdown shorter than a cell leaves only its start.
  mark(celle[end], kSlowdownEnd, v, d_v);
  mark(celle[start], kSlowdownStart, v, d_v);
  if (warned) mark(celle[warning], kSlowdownWarning, v, d_v);
  celle[start].valore3 = low_bits<int16_t>(f_tt);
  celle[end].valore3 = low_bits<int16_t>(f_tt);

  if (f_ta == 0) return;
  // The approach cells end in the cell before the board; when (x - 1200) / 50
  // ends in .5 the two roundings part and h is the board's own cell
  // (occupied: error 20) or the cell two before it.
  const int64_t h = cell_of_stretch(int64_t{x} - kWarningDistance);
  for (int64_t i = 0; i < 4; ++i) {
    if (!is_free(celle[h - i])) {
      s.codice_errore = 20;
      return;
    }
  }
  for (int16_t i = 0; i < 4; ++i) {
    Cella& cell = celle[h - i];
    cell.oggetto = kSlowdownApproach;
    cell.valore1 = static_cast<int16_t>(i + 1);
    if (d_v != 0) cell.valore2 = static_cast<int16_t>(i + 1);
  }
}

RowOutcome read_slowdown_row(FieldReader& in, Stato& s, int riga) {
  const int32_t x = in.number();
  int32_t v = in.number();
  int32_t l = in.number();
  int32_t f_tt = in.number();
  const int32_t f_ta = in.number();
  int32_t d_v = in.number();
  const Modello& m = s.modello;
  if (beyond_track(m, x, 100) || !in_track(m, cell_of_object(x)) || !in_track(m, cell_of_object(int64_t{x} + l))) {
    record_error(s, 15, x, riga);
    return RowOutcome::kLeaveLoop;
  }
  memo_rallentamento(s, x, v, l, f_tt, f_ta, d_v);
  if (s.codice_errore > 0) {
    record_error(s, s.codice_errore, x, riga);
    return RowOutcome::kStop;
  }
  return RowOutcome::kNext;
}

RowOutcome read_abbattimento_row(FieldReader& in, Stato& s, int riga) {
  const int32_t position = in.number();
  const int32_t value = in.number();
  Modello& m = s.modello;
  const int64_t c = cell_of_stretch(position);
  if (beyond_track(m, position, 100) || !in_track(m, c)) {
    record_error(s, 15, position, riga);
    return RowOutcome::kLeaveLoop;
  }
  Cella& cell = m.celle[c];
  if (!is_free(cell)) {
    record_error(s, 7, position, riga);
    return RowOutcome::kStop;
  }
  if (value > 0) {
    cell.oggetto = kReductionPositive;
    cell.valore1 = low_bits<int16_t>(value);
  } else {
    cell.oggetto = kReductionZero;
  }
  return RowOutcome::kNext;
}

}  // namespace scenario
