#include "compiler/output/errore.h"

namespace scenario {

std::string testo_errore(int numero) { return " Errore n. " + std::to_string(numero); }

}  // namespace scenario
