// What every row of the train description works with: the field reader on
// the row's values, the compilation, the place of the row's keyword field,
// and the notes of a diagnostic reading.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/model/state.h"
#include "compiler/text/field_reader.h"
#include "compiler/text/notes.h"
#include "compiler/text/rows.h"

namespace scenario {

struct TrainRow {
  FieldReader& in;
  Stato& s;
  Place place;
  Notes* notes = nullptr;  // a diagnostic reading only

  // The field just read.
  Place here() const { return {Description::kTrain, in.line(), in.column()}; }

  void raise(ErrorCode code, Place at, std::optional<int32_t> position,
             std::optional<int64_t> cell = std::nullopt) const {
    s.errori.raise({code, Stage::kTrainReading, at, position, cell, {}});
  }
  // An error that ends the reading at once.
  Next stop(ErrorCode code, Place at, std::optional<int32_t> position,
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
  // After a signal or a slowdown is placed, an error that stands from
  // earlier (the line description's error 15) ends the reading at this row,
  // recorded again with this row's position. A diagnostic reading reports
  // the earlier error where it is and reads on.
  Next stop_if_an_error_stands(int32_t position) const {
    const int32_t standing = s.codice_errore();
    if (standing == 0 || s.diagnostica) return Next::kRow;
    s.errori.raise({static_cast<ErrorCode>(standing), Stage::kTrainReading, place, position, std::nullopt, {}, true});
    return Next::kStop;
  }
  // The end of the line the model was made for, for the notes on objects
  // past it.
  int32_t line_end() const { return s.modello.lunghezza_totale - kModelExtension; }
};

}  // namespace scenario
