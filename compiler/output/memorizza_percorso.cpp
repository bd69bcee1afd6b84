#include "compiler/output/memorizza_percorso.h"

#include "compiler/output/compiled_files.h"
#include "compiler/output/header.h"
#include "compiler/output/walk.h"
#include "compiler/train/memorizza_dati.h"

namespace scenario {
namespace {

constexpr int32_t kReadingFailure = 25;

}  // namespace

CompileOutcome memorizza_percorso(Stato& s, int32_t j, const DescriptionFiles& in, const FileNames& out) {
  s.scrivi_linea = j;
  s.codice_errore = 0;
  s.posizione_errore = 0;
  s.origine_errore = ErrorSource::kNone;
  s.riga_errore = 0;
  // A fresh model: nothing of an earlier compilation in the same state
  // survives (records cleared, no cells until the route length is read).
  s.modello = Modello{};
  s.righe_lette = RowCounts{};

  memorizza_dati(s, in);

  // Without a track model there is nothing to walk, stamp or write; a line
  // description that never gave a route length is a reading failure.
  if (s.modello.celle.size() < 2) {
    if (s.codice_errore == 0) s.codice_errore = kReadingFailure;
    return CompileOutcome{s.codice_errore, std::nullopt};
  }

  walk_track(s);
  if (const int fatal = stamp_header(s)) return CompileOutcome{fatal, std::nullopt};
  return CompileOutcome{0, write_compiled_files(s, out)};
}

}  // namespace scenario
