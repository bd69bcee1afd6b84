#include "compiler/output/header.h"

#include <cstdint>

#include "compiler/output/codes.h"

namespace scenario {
namespace {

constexpr int16_t kHeaderValue = 610;
constexpr int16_t kCellHeaderValue = 5121;

}  // namespace

std::optional<ErrorCode> stamp_header(TrackModel& m) {
  Record& header = m.record[kScenarioSlot];
  Cella& cell1 = m.celle[1];
  // Both checks come before any stamp, so a refused model stays untouched;
  // the stamps of the first pair never touch the slots of the second check.
  if (header.dato_4 != 0 || cell1.valore1 != 0) return ErrorCode::kHeaderValuesInUse;
  if (header.orario != 0 || cell1.valore2 != 0) return ErrorCode::kHeaderCodesInUse;

  const std::string& treno = m.record[kTrainSlot].nome_punto;
  const std::string& nome = m.record[kScenarioSlot].nome_punto;
  header.dato_4 = kHeaderValue;
  cell1.valore1 = kCellHeaderValue;
  header.orario = plain_scenario_code(treno, nome);
  cell1.valore2 = static_cast<int16_t>(weighted_scenario_code(treno, nome));
  return std::nullopt;
}

}  // namespace scenario
