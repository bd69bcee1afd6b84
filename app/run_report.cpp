#include "app/run_report.h"

#include "common/exit_status.h"
#include "compiler/output/errore.h"

namespace scenario {

int report_run(const CompileOutcome& outcome, const Stato& state, std::ostream& err) {
  if (outcome.io_error) {
    err << "montebrisca_lurna: " << outcome.io_error->file.string() << ": " << outcome.io_error->reason
        << "\n";
    return builder_exit::kIo;
  }
  const int32_t fatal = fatal_error(state);
  const int32_t recorded = state.codice_errore();
  // In the order raised: a recorded error, then the fatal check that ended
  // the run after it.
  if (recorded != 0 && recorded != fatal) {
    err << testo_errore(recorded) << " a " << state.posizione_errore() << " m\n";
  }
  if (fatal != 0) err << testo_errore(fatal) << "\n";
  return fatal != 0 || recorded != 0 ? builder_exit::kData : builder_exit::kOk;
}

}  // namespace scenario
