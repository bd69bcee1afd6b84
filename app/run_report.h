// What the builder tells at the end of a run and the status it exits with.
// The statuses are listed in the README.
#pragma once

#include <ostream>

#include "compiler/model/state.h"
#include "compiler/output/compile.h"

namespace scenario {

// Writes to `err` the message the outcome of a run calls for and returns the
// exit status. A file that could not be written is named with the system's
// reason. A recorded error (compiled files written all the same) shows its
// number and position, a fatal outcome (nothing compiled written) its
// " Errore n. ", in the order raised. A clean run says nothing.
int report_run(const CompileOutcome& outcome, const Stato& state, std::ostream& err);

}  // namespace scenario
