#include "compiler/line/speed_indicators.h"

#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

// Both speeds of one rank in one value, left * 20 + right / 5: the right
// speed reads back only while it is a multiple of 5 below 100 km/h.
int16_t packed_speeds(int32_t right, int32_t left) {
  const double packed = nearest_even(right / 5.0 + left * 20.0);
  return checked<int16_t>(static_cast<int64_t>(packed));
}

}  // namespace

bool memo_indicatori_v_max(Modello& m, const SpeedIndicator& v) {
  Cella& cell = m.celle[static_cast<size_t>(cell_of_object(v.posizione))];
  if (!is_free(cell)) return false;
  cell.oggetto = kSpeedIndicator;
  cell.valore1 = packed_speeds(v.vad, v.vas);
  cell.valore2 = packed_speeds(v.vbd, v.vbs);
  cell.valore3 = packed_speeds(v.vcd, v.vcs);
  cell.valore4 = checked<int16_t>(int64_t{v.strisces} * 10 + v.strisced);
  return true;
}

}  // namespace scenario
