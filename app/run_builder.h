// The builder's run: writes the scenario's source texts into a folder and
// compiles them there. Nothing here prints or ends the process.
#pragma once

#include <filesystem>

#include "compiler/model/state.h"
#include "compiler/output/compile.h"

namespace scenario {

// Runs the whole job into `folder`, with `state` as the run's state. A
// source text that cannot be written ends the run with its error.
CompileOutcome run_builder(const std::filesystem::path& folder, CompilationState& state);

}  // namespace scenario
