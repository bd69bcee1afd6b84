#include "compiler/output/error_text.h"

namespace scenario {

std::string error_text(int numero) { return " Errore n. " + std::to_string(numero); }

}  // namespace scenario
