#include "compiler/output/compile.h"

#include "compiler/line/line_reader.h"
#include "compiler/output/compiled_files.h"
#include "compiler/output/header.h"
#include "compiler/output/timetable_warnings.h"
#include "compiler/output/walk.h"
#include "compiler/text/row_reading.h"
#include "compiler/train/train_reader.h"

namespace scenario {
namespace {

bool has_track_model(const CompilationState& s) { return s.model.celle.size() >= 2; }

// Everything after the reading: the walk, the header check and its stamps.
void finish_compilation(CompilationState& s) {
  // Without a track model there is nothing to walk, stamp or write; a line
  // description that never gave a route length is a reading failure.
  if (!has_track_model(s)) {
    if (s.errors.empty()) {
      raise_whole_file(s, Description::kLine, ErrorCode::kReadingFailure,
                       "la descrizione della linea non dà la lunghezza del percorso");
    }
    return;
  }
  walk_track(s);
  if (const auto fault = stamp_header(s.model)) {
    // At the row whose object stands in cell 1, when one does.
    s.errors.raise(*fault, Stage::kHeaderCheck, s.origins.cella[1], {.cell = 1});
  }
}

}  // namespace

void compile_texts(CompilationState& s, const DescriptionText& linea, const DescriptionText& treno,
                   const CompileOptions& options) {
  CompilationState fresh;
  fresh.nome = std::move(s.nome);
  fresh.treno = std::move(s.treno);
  fresh.build_geometry = options.build_geometry;
  fresh.diagnostic_mode = options.diagnostic_mode;
  s = std::move(fresh);

  read_line(s, linea);
  // A diagnostic reading reads the train description whatever the line's did.
  if (s.diagnostic_mode && !has_track_model(s)) create_stand_in_track(s);
  if (s.line_reading.end == ReadingEnd::kCompleted || s.diagnostic_mode) read_train(s, treno);
  finish_compilation(s);
  if (s.diagnostic_mode) note_timetable(s);
}

int32_t fatal_error(const CompilationState& s) {
  if (const auto fault = s.errors.header_fault()) return number(*fault);
  if (!has_track_model(s)) return s.codice_errore();
  return 0;
}

CompileOutcome compile_scenario(CompilationState& s, const DescriptionFiles& in, const FileNames& out,
                                  const CompileOptions& options) {
  compile_texts(s, load_description(in.linea), load_description(in.treno), options);
  if (options.delete_descriptions) discard_descriptions(in, s);
  if (fatal_error(s) != 0) return {};
  return write_compiled_files(s, out);
}

}  // namespace scenario
