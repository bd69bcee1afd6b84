#include "compiler/train/slowdowns.h"

#include "compiler/model/numbers.h"
#include "compiler/train/standing_error.h"

namespace scenario {
namespace {

// A slowdown starting at or before 1500 m has no warning board and no
// approach cells.
constexpr int32_t kWarningFrom = 1500;

// What the end, start and warning cells share: code, speed, second speed.
void mark(Cella& cell, ObjectCode code, int32_t v, int32_t d_v) {
  cell.oggetto = code;
  cell.valore1 = low_bits<int16_t>(v);
  if (d_v != 0) cell.valore2 = low_bits<int16_t>(d_v);
}

SlowdownPlacement refused(ErrorCode code, int64_t cell, std::vector<int64_t> placed = {}) {
  return {code, cell, std::move(placed)};
}

}  // namespace

SlowdownPlacement place_slowdown(TrackModel& m, const Rallentamento& r) {
  std::vector<Cella>& celle = m.celle;
  const auto at = [&](int64_t i) -> Cella& { return celle[static_cast<size_t>(i)]; };
  const bool warned = r.x > kWarningFrom;
  const int64_t start = cell_of_object(r.x);
  const int64_t end = cell_of_object(int64_t{r.x} + r.l);
  const int64_t warning = cell_of_object(int64_t{r.x} - kWarningDistance);
  if (warned && !is_free(at(warning))) return refused(ErrorCode::kWarningCellOccupied, warning);
  if (!is_free(at(start))) return refused(ErrorCode::kSlowdownStartOccupied, start);
  if (!is_free(at(end))) return refused(ErrorCode::kSlowdownEndOccupied, end);
  // End first: a slowdown shorter than a cell leaves only its start.
  mark(at(end), kSlowdownEnd, r.v, r.d_v);
  mark(at(start), kSlowdownStart, r.v, r.d_v);
  std::vector<int64_t> placed = {end};
  if (start != end) placed.push_back(start);
  if (warned) {
    mark(at(warning), kSlowdownWarning, r.v, r.d_v);
    placed.push_back(warning);
  }
  at(start).valore3 = low_bits<int16_t>(r.f_tt);
  at(end).valore3 = low_bits<int16_t>(r.f_tt);

  if (!warned || r.f_ta == 0) return {std::nullopt, 0, std::move(placed)};
  // The approach cells end in the cell before the board; when (x - 1200) / 50
  // ends in .5 the two roundings part and h is the board's own cell
  // (occupied: error 20) or the cell two before it.
  const int64_t h = cell_of_stretch(int64_t{r.x} - kWarningDistance);
  for (int64_t i = 0; i < 4; ++i) {
    if (!is_free(at(h - i))) return refused(ErrorCode::kApproachCellsOccupied, h - i, std::move(placed));
  }
  for (int16_t i = 0; i < 4; ++i) {
    Cella& cell = at(h - i);
    cell.oggetto = kSlowdownApproach;
    cell.valore1 = static_cast<int16_t>(i + 1);
    if (r.d_v != 0) cell.valore2 = static_cast<int16_t>(i + 1);
    placed.push_back(h - i);
  }
  return {std::nullopt, 0, std::move(placed)};
}

Next read_slowdown_row(const Row& row) {
  Rallentamento r;
  r.x = row.in.number();
  const Place at = row.here();
  r.v = row.in.number();
  r.l = row.in.number();
  const Place l_at = row.here();
  for (int32_t* value : {&r.f_tt, &r.f_ta, &r.d_v}) *value = row.in.number();
  TrackModel& m = row.s.model;
  if (beyond_track(m, r.x, 100) || !in_track(m, cell_of_object(r.x)) ||
      !in_track(m, cell_of_object(int64_t{r.x} + r.l))) {
    return row.end_beyond_track(r.x, at);
  }
  const SlowdownPlacement placement = place_slowdown(m, r);
  for (const int64_t cell : placement.placed) row.s.origins.cella[static_cast<size_t>(cell)] = row.place;
  if (placement.error) return row.stop(*placement.error, at, r.x, placement.error_cell);
  if (row.notes) {
    row.notes->point(at, r.x, row.line_end());
    row.notes->cell_one(at, cell_of_object(r.x), "l'inizio del rallentamento");
    const int64_t end = int64_t{r.x} + r.l;
    const int64_t end_cell = cell_of_object(end);
    row.notes->off_grid(l_at, static_cast<int32_t>(end), end_cell, (end_cell - 1) * kCellMetres);
  }
  return stop_if_an_error_stands(row, r.x);
}

Next read_speed_reduction_row(const Row& row) {
  const int32_t position = row.in.number();
  const Place at = row.here();
  const int32_t value = row.in.number();
  TrackModel& m = row.s.model;
  const int64_t c = cell_of_stretch(position);
  if (beyond_track(m, position, 100) || !in_track(m, c)) return row.end_beyond_track(position, at);
  Cella& cell = m.celle[static_cast<size_t>(c)];
  if (!is_free(cell)) return row.stop(ErrorCode::kReductionCellOccupied, at, position, c);
  if (row.notes) row.notes->off_grid(at, position, c, c * kCellMetres);
  if (value > 0) {
    cell.oggetto = kReductionPositive;
    cell.valore1 = low_bits<int16_t>(value);
  } else {
    cell.oggetto = kReductionZero;
  }
  row.s.origins.cella[static_cast<size_t>(c)] = row.place;
  return Next::kRow;
}

}  // namespace scenario
