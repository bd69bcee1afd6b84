// What the builder tells at the end of a run and the status it exits with.
// The statuses are listed in the README.
#pragma once

#include <ostream>

#include "app/form_load.h"
#include "compiler/model/state.h"

namespace scenario {

inline constexpr int kExitOk = 0;
inline constexpr int kExitIo = 1;         // a file could not be written, or no program folder
inline constexpr int kExitUsage = 2;      // an argument the builder does not take
inline constexpr int kExitDataError = 3;  // the scenario's data holds an error

// Writes to `err` the message the outcome of a run calls for and returns the
// exit status. A file that could not be written is named with the system's
// reason. A fatal outcome (nothing compiled written) shows its " Errore n. ";
// a recorded error (compiled files written all the same) shows its number
// and position. A clean run says nothing.
int report_run(const RunOutcome& outcome, const Stato& stato, std::ostream& err);

}  // namespace scenario
