#include "bench/compile_route.h"

#include "common/file_names.h"
#include "common/replace_file.h"
#include "compiler/line/line_reader.h"
#include "compiler/output/header.h"
#include "compiler/output/walk.h"
#include "compiler/train/train_reader.h"

namespace scenario::bench {
namespace {

constexpr int32_t kReadingFailure = 25;

}  // namespace

int32_t compile_texts(Stato& s, const RouteTexts& texts) {
  s.scrivi_linea = 1;
  s.codice_errore = 0;
  s.posizione_errore = 0;
  s.origine_errore = ErrorSource::kNone;
  s.riga_errore = 0;
  s.modello = Modello{};
  s.righe_lette = RowCounts{};

  if (read_line_text(s, texts.linea) == LineReadResult::kReadTrain) read_train_text(s, texts.treno);
  if (s.modello.celle.size() < 2) {
    if (s.codice_errore == 0) s.codice_errore = kReadingFailure;
    return s.codice_errore;
  }
  walk_track(s);
  return stamp_header(s);
}

CompileOutcome run_route(const std::filesystem::path& folder, const RouteTexts& texts, Stato& s) {
  const FileNames names = file_names(folder, s.nome, s.treno);
  if (auto error = replace_file(names.linea_txt, texts.linea)) return CompileOutcome{0, std::move(error)};
  if (auto error = replace_file(names.treno_txt, texts.treno)) return CompileOutcome{0, std::move(error)};
  return memorizza_percorso(s, 1, {names.linea_txt, names.treno_txt, true}, names);
}

}  // namespace scenario::bench
