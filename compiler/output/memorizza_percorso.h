// One whole compilation: the descriptions are read into a fresh model, the
// route is walked, the header is checked and stamped, and the compiled files
// are written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "compiler/model/description_files.h"
#include "compiler/model/state.h"

namespace scenario {

struct CompileOutcome {
  // 1250 or 1251 (header slots in use), or the error that left no track model
  // (101, 102, 1, 25): no compiled file was written. 0 otherwise.
  int32_t fatal = 0;
  // A compiled file that could not be written.
  std::optional<IoError> io_error;
};

// Compiles `in` into the files named by `out` (geometry only when `j` is not
// 0). Errors in the data are recorded in `s` (codice_errore and the rest) and
// do not stop the compilation; the outcome tells what did.
CompileOutcome memorizza_percorso(Stato& s, int32_t j, const DescriptionFiles& in, const FileNames& out);

// The same compilation of two descriptions held in memory, writing nothing:
// the compiled model stays in `s` for geometry_bytes, records_bytes and
// track_bytes. Returns what CompileOutcome::fatal would hold.
int32_t compile_texts(Stato& s, int32_t j, std::string linea, std::string treno);

}  // namespace scenario
