// The line `scenario compile` prints for a recorded error:
//   FILE:LINE: errore N a P m: meaning; detail
// FILE and LINE name the description row that raised it (walk errors have
// none), the position is left out for errors that carry none of their own,
// and the detail says which cell is concerned and what stands there.
#pragma once

#include <string>

#include "compiler/model/description_files.h"
#include "compiler/model/state.h"

namespace scenario::tools {

std::string error_report(const Stato& s, const DescriptionFiles& files);

}  // namespace scenario::tools
