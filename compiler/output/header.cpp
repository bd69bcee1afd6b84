#include "compiler/output/header.h"

#include <cstdint>

#include "compiler/output/codes.h"

namespace scenario {
namespace {

constexpr int kHeaderRecord = 85;
constexpr int16_t kHeaderValue = 610;
constexpr int16_t kCellHeaderValue = 5121;

}  // namespace

int stamp_header(Stato& stato) {
  Record& header = stato.modello.record[kHeaderRecord];
  Cella& cell1 = stato.modello.celle[1];
  // Both checks come before any stamp, so a refused model stays untouched;
  // the stamps of the first pair never touch the slots of the second check.
  if (header.dato_4 != 0 || cell1.valore1 != 0) return kHeaderValuesInUse;
  if (header.orario != 0 || cell1.valore2 != 0) return kHeaderCodesInUse;

  header.dato_4 = kHeaderValue;
  cell1.valore1 = kCellHeaderValue;
  header.orario = codice_gara_st(stato);
  cell1.valore2 = static_cast<int16_t>(codice_gara_og(stato));
  return 0;
}

}  // namespace scenario
