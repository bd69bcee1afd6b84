#include "app/run_report.h"

#include "compiler/output/errore.h"

namespace scenario {

int report_run(const RunOutcome& outcome, const Stato& stato, std::ostream& err) {
  if (outcome.io_error) {
    err << "montebrisca_lurna: " << outcome.io_error->file.string() << ": " << outcome.io_error->reason
        << "\n";
    return kExitIo;
  }
  // In the order raised: a recorded error, then the fatal check that ended
  // the run after it.
  if (stato.codice_errore != 0 && stato.codice_errore != outcome.fatal) {
    err << testo_errore(stato.codice_errore) << " a " << stato.posizione_errore << " m\n";
  }
  if (outcome.fatal != 0) err << testo_errore(outcome.fatal) << "\n";
  return outcome.fatal != 0 || stato.codice_errore != 0 ? kExitDataError : kExitOk;
}

}  // namespace scenario
