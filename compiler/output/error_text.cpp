#include "compiler/output/error_text.h"

namespace scenario {

std::string error_text(int number) { return " Errore n. " + std::to_string(number); }

}  // namespace scenario
