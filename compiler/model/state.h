// Everything one compilation run owns: the scenario name and train number,
// whether the geometry is built, the error state and the track model.
#pragma once

#include <cstdint>
#include <string>

#include "compiler/model/model.h"

namespace scenario {

// Where the last recorded error was found, so that tools can point at it.
enum class ErrorSource { kNone, kLineDescription, kTrainDescription, kRouteWalk };

// Rows the readers took in that leave no count of their own in the model;
// the author tools report them.
struct RowCounts {
  int32_t curve = 0;
  int32_t pendenze = 0;
  int32_t stazioni = 0;
};

struct Stato {
  std::string nome;
  std::string treno;
  int32_t scrivi_linea = 0;      // non-zero: build and write the line geometry
  int32_t codice_errore = 0;     // last recorded error, 0 = none
  int32_t posizione_errore = 0;  // its position in metres
  std::string chiave_gara;       // working text of the scenario codes
  ErrorSource origine_errore = ErrorSource::kNone;
  int riga_errore = 0;           // line of the description row that raised it, 0 = none
  Modello modello;
  RowCounts righe_lette;
};

}  // namespace scenario
