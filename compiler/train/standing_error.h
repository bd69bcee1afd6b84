// What a signal or a slowdown row does after its placement when an error
// stands from earlier.
#pragma once

#include <cstdint>

#include "compiler/text/row.h"

namespace scenario {

// An error that stands from earlier (the line description's error 15) ends
// the reading at this row, recorded again with this row's position. A
// diagnostic reading reports the earlier error where it is and reads on.
inline Next stop_if_an_error_stands(const Row& row, int32_t position) {
  const int32_t standing = row.s.codice_errore();
  if (standing == 0 || row.s.diagnostic_mode) return Next::kRow;
  return row.stop_as_consequence(static_cast<ErrorCode>(standing), position);
}

}  // namespace scenario
