// The builder's whole run for a route of the benchmarks' own, files and all
// (the compilation in memory is compile_texts of compiler/output/compile.h).
#pragma once

#include <filesystem>

#include "bench/large_route.h"
#include "compiler/output/compile.h"

namespace scenario::bench {

// What the builder does for its own scenario, done for `texts` in `folder`:
// both descriptions written through replace_file, then compile_scenario
// with the builder's options, which reads and deletes them and writes the
// compiled files. `s.nome` and `s.treno` name the files.
CompileOutcome run_route(const std::filesystem::path& folder, const RouteTexts& texts, CompilationState& s);

}  // namespace scenario::bench
