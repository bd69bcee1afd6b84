// One whole compilation, the one path both programs take: the two
// descriptions are loaded and read into a fresh model, the route is walked,
// the header is checked and stamped, and the compiled files are written.
// The builder and the author tools differ only in their options.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "compiler/model/state.h"
#include "compiler/text/descriptions.h"

namespace scenario {

struct CompileOptions {
  bool build_geometry = true;          // build and write the line geometry
  bool delete_descriptions = false;  // delete each description once read, as the builder does
  bool diagnostic_mode = false;          // note warnings and read on after errors (CompilationState::diagnostic_mode)
};

struct CompileOutcome {
  std::optional<IoError> io_error;              // a compiled file that could not be written
  std::vector<std::filesystem::path> written;   // the compiled files written, in order
};

// Reads the two descriptions into `s`, starting afresh for `s.nome` and
// `s.treno` (nothing of an earlier compilation in `s` survives), then walks
// the route and checks and stamps the header. Errors are raised into
// `s.errors`; nothing is written.
void compile_texts(CompilationState& s, const DescriptionText& linea, const DescriptionText& treno,
                   const CompileOptions& options);

// The number of the fault that left nothing to write: a header fault (1250,
// 1251), or the error that left no track model. 0 when the files are to be
// written.
int32_t fatal_error(const CompilationState& s);

// Loads `in`, compiles it into `s` and, unless the compilation is fatal,
// writes the files named by `out` (the geometry only with `build_geometry`).
CompileOutcome compile_scenario(CompilationState& s, const DescriptionFiles& in, const FileNames& out,
                                  const CompileOptions& options);

}  // namespace scenario
