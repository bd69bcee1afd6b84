#include "compiler/train/row_outcome.h"

namespace scenario {

void record_error(Stato& s, int32_t code, int32_t position, int riga) {
  record_error_code(s, code, riga);
  s.posizione_errore = position;
}

void record_error_code(Stato& s, int32_t code, int riga) {
  s.codice_errore = code;
  s.origine_errore = ErrorSource::kTrainDescription;
  s.riga_errore = riga;
}

bool beyond_track(const Modello& m, int64_t position, int margin) {
  return m.numero_celle < (static_cast<double>(position) + margin) / 50.0;
}

bool in_track(const Modello& m, int64_t cell) { return cell >= 0 && cell <= m.numero_celle; }

}  // namespace scenario
