// The header slots of a compiled scenario: record 85's `dato_4` and `orario`
// and cell 1's `valore1` and `valore2`. They must still be 0 when the
// compilation ends; they then receive two fixed values and the two scenario
// codes.
#pragma once

#include <optional>

#include "compiler/model/errors.h"
#include "compiler/model/model.h"

namespace scenario {

// Checks the header slots and stamps them: record 85 `dato_4` = 610, cell 1
// `valore1` = 5121, record 85 `orario` = the weighted code, cell 1 `valore2`
// = the plain code, the codes taken from the texts of records 86 and 85.
// Returns the fault that refuses the model (1250 or 1251), leaving it as it
// was. The track model must exist (cell 1 present).
std::optional<ErrorCode> stamp_header(TrackModel& m);

}  // namespace scenario
