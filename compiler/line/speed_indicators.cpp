#include "compiler/line/speed_indicators.h"

#include "compiler/model/numbers.h"
#include "compiler/text/notes.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

// Both speeds of one rank in one value, left * 20 + right / 5.
int16_t packed_speeds(int32_t right, int32_t left) {
  const double packed = nearest_even(right / 5.0 + left * 20.0);
  return checked<int16_t>(static_cast<int64_t>(packed));
}

}  // namespace

bool place_speed_indicator(TrackModel& m, const SpeedIndicator& v) {
  Cella& cell = m.celle[static_cast<size_t>(cell_of_object(v.posizione))];
  if (!is_free(cell)) return false;
  cell.oggetto = kSpeedIndicator;
  cell.valore1 = packed_speeds(v.vad, v.vas);
  cell.valore2 = packed_speeds(v.vbd, v.vbs);
  cell.valore3 = packed_speeds(v.vcd, v.vcs);
  cell.valore4 = checked<int16_t>(int64_t{v.strisces} * 10 + v.strisced);
  return true;
}

bool right_speed_reads_back(int32_t kmh) { return kmh % 5 == 0 && kmh >= 0 && kmh < 100; }

Next read_speed_indicator_row(const Row& row) {
  SpeedIndicator v;
  v.posizione = row.in.number();
  const Place at = row.here();
  for (int32_t* value : {&v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd, &v.strisced}) {
    *value = row.in.number();
  }
  TrackModel& m = row.s.model;
  if (object_beyond_track(m, v.posizione)) return row.end_beyond_track(v.posizione, at);
  const int64_t cell = cell_of_object(v.posizione);
  if (!place_speed_indicator(m, v)) return row.stop(ErrorCode::kIndicatorCellOccupied, at, v.posizione, cell);
  if (Notes* notes = row.notes) {
    notes->point(at, v.posizione, row.line_end());
    notes->cell_one(at, cell, "l'indicatore");
    const struct {
      const char* rank;
      int32_t right;
    } ranks[] = {{"A", v.vad}, {"B", v.vbd}, {"C", v.vcd}};
    for (const auto& r : ranks) {
      if (right_speed_reads_back(r.right)) continue;
      notes->add(WarningKind::kValueOverflow, at,
                 "la velocità destra " + std::to_string(r.right) + " km/h del rango " + r.rank +
                     " non si rilegge dalla cella, che tiene sinistra × 20 + destra / 5: vale solo un multiplo di 5 "
                     "sotto i 100 km/h",
                 v.posizione, cell);
    }
  }
  row.s.origins.cella[static_cast<size_t>(cell)] = row.place;
  return Next::kRow;
}

}  // namespace scenario
