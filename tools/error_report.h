// The lines `scenario compile` prints for the errors of a compilation, in
// the order raised:
//   FILE:LINE: errore N a P m: meaning; detail
// FILE and LINE name the description row at fault (FILE alone for a fault of
// the whole file; a route walk error names the row that placed the object
// concerned), the position is its own, and the detail says what was found or
// which cell is concerned and what stands there. An error raised only
// because an earlier one stood becomes a note on that one.
#pragma once

#include <string>
#include <vector>

#include "compiler/model/state.h"
#include "compiler/text/descriptions.h"

namespace scenario::tools {

std::vector<std::string> error_report(const Stato& s, const DescriptionFiles& files);

}  // namespace scenario::tools
