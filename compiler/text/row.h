// One keyword row being read: its keyword field, the field reader on its
// values, the compilation it fills and the notes of a diagnostic reading.
// Every placement reads its row through this, and raises the row's errors
// through it: the row knows its description, its stage and its place.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/model/state.h"
#include "compiler/text/field_reader.h"
#include "compiler/text/notes.h"
#include "compiler/text/rows.h"

namespace scenario {

class Row {
 public:
  Row(const Keyword& keyword, FieldReader& in, CompilationState& s, Description file, Notes* notes)
      : keyword(keyword), in(in), s(s), notes(notes), place{file, keyword.line, keyword.column}, file_(file) {}

  const Keyword& keyword;
  FieldReader& in;
  CompilationState& s;
  Notes* notes;  // a diagnostic reading only
  Place place;   // the keyword field

  // The field just read.
  Place here() const { return {file_, in.line(), in.column()}; }

  void raise(ErrorCode code, Place at, std::optional<int32_t> position = std::nullopt,
             std::optional<int64_t> cell = std::nullopt) const {
    s.errors.raise(code, stage(), at, {.position = position, .cell = cell});
  }
  // An error that ends the reading at once.
  Next stop(ErrorCode code, Place at, std::optional<int32_t> position = std::nullopt,
            std::optional<int64_t> cell = std::nullopt) const {
    raise(code, at, position, cell);
    return Next::kStop;
  }
  // A position beyond the track (error 15): no more rows, the closing fills
  // still run.
  Next end_beyond_track(int32_t position, Place at) const {
    raise(ErrorCode::kBeyondTrack, at, position);
    return Next::kEndOfRows;
  }
  // An error raised again at this row, at `position`, only because an
  // earlier one stands: the fault is the earlier one.
  Next stop_as_consequence(ErrorCode code, int32_t position) const {
    s.errors.raise(code, stage(), place, {.position = position, .consequence = true});
    return Next::kStop;
  }

  // The end of the line the model was made for, for the notes on objects
  // past it.
  int32_t line_end() const { return s.model.lunghezza_totale - kModelExtension; }

 private:
  Stage stage() const { return reading_stage(file_); }

  Description file_;
};

}  // namespace scenario
