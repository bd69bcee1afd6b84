// The message of a fatal compilation outcome (an occupied header slot, or a
// line description that left no track model). The library only builds the
// text; showing it and ending the run is the caller's business.
#pragma once

#include <string>

namespace scenario {

// " Errore n. " followed by the number, e.g. " Errore n. 1250".
std::string error_text(int number);

}  // namespace scenario
