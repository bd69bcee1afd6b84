// The two ways the benchmarks compile a route: in memory, through the same
// steps as memorizza_percorso but without files, and the builder's whole run
// for a route of their own, files and all.
#pragma once

#include <cstdint>
#include <filesystem>

#include "bench/large_route.h"
#include "compiler/output/memorizza_percorso.h"

namespace scenario::bench {

// Reads the line and then the train description from memory into a fresh
// model with its geometry, walks the route and stamps the header. Returns 0, or the number
// that would stop memorizza_percorso before writing (no track model, or an
// occupied header slot). Errors in the data are recorded in `s` as usual.
int32_t compile_texts(Stato& s, const RouteTexts& texts);

// What the builder does for its own scenario, done for `texts` in `folder`:
// both descriptions written through replace_file, then memorizza_percorso
// with the geometry, which reads and deletes them and writes the compiled
// files. `s.nome` and `s.treno` name the files.
CompileOutcome run_route(const std::filesystem::path& folder, const RouteTexts& texts, Stato& s);

}  // namespace scenario::bench
