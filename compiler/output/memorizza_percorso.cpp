#include "compiler/output/memorizza_percorso.h"

#include <utility>

#include "compiler/line/line_reader.h"
#include "compiler/output/compiled_files.h"
#include "compiler/output/header.h"
#include "compiler/output/walk.h"
#include "compiler/train/memorizza_dati.h"
#include "compiler/train/train_reader.h"

namespace scenario {
namespace {

constexpr int32_t kReadingFailure = 25;

// A fresh start: nothing of an earlier compilation in the same state
// survives (error state cleared, records cleared, no cells until the route
// length is read).
void start_compilation(Stato& s, int32_t j) {
  s.scrivi_linea = j;
  s.codice_errore = 0;
  s.posizione_errore = 0;
  s.origine_errore = ErrorSource::kNone;
  s.riga_errore = 0;
  s.modello = Modello{};
  s.righe_lette = RowCounts{};
}

// Everything after the reading: the walk, the header check and its stamps.
// Returns the fatal number, or 0 when the compiled files are to be written.
int32_t finish_compilation(Stato& s) {
  // Without a track model there is nothing to walk, stamp or write; a line
  // description that never gave a route length is a reading failure.
  if (s.modello.celle.size() < 2) {
    if (s.codice_errore == 0) s.codice_errore = kReadingFailure;
    return s.codice_errore;
  }
  walk_track(s);
  return stamp_header(s);
}

}  // namespace

CompileOutcome memorizza_percorso(Stato& s, int32_t j, const DescriptionFiles& in, const FileNames& out) {
  start_compilation(s, j);
  memorizza_dati(s, in);
  if (const int32_t fatal = finish_compilation(s)) return CompileOutcome{fatal, std::nullopt};
  return CompileOutcome{0, write_compiled_files(s, out)};
}

int32_t compile_texts(Stato& s, int32_t j, std::string linea, std::string treno) {
  start_compilation(s, j);
  if (read_line_text(s, std::move(linea)) == LineReadResult::kReadTrain) {
    read_train_text(s, std::move(treno));
  }
  return finish_compilation(s);
}

}  // namespace scenario
