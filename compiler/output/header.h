// The header slots of a compiled scenario: record 85's `dato_4` and `orario`
// and cell 1's `valore1` and `valore2`. They must still be 0 when the
// compilation ends; they then receive two fixed values and the two scenario
// codes.
#pragma once

#include "compiler/model/state.h"

namespace scenario {

inline constexpr int kHeaderValuesInUse = 1250;  // record 85 dato_4 or cell 1 valore1 already set
inline constexpr int kHeaderCodesInUse = 1251;   // record 85 orario or cell 1 valore2 already set

// Checks the header slots and stamps them: record 85 `dato_4` = 610, cell 1
// `valore1` = 5121, record 85 `orario` = the weighted code, cell 1 `valore2`
// = the plain code. Returns 0, or the fatal number 1250 / 1251 with the
// model left as it was. The track model must exist (cell 1 present).
int stamp_header(Stato& stato);

}  // namespace scenario
