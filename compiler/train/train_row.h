// What every row of the train description works with: the field reader on
// the row's values, the compilation, and the place of the row's keyword
// field, where the errors it raises are located.
#pragma once

#include <cstdint>
#include <optional>

#include "compiler/model/state.h"
#include "compiler/text/field_reader.h"
#include "compiler/text/rows.h"

namespace scenario {

struct TrainRow {
  FieldReader& in;
  Stato& s;
  Place place;

  void raise(ErrorCode code, std::optional<int32_t> position, std::optional<int64_t> cell = std::nullopt) const {
    s.errori.raise({code, Stage::kTrainReading, place, position, cell, {}});
  }
  // An error that ends the reading at once.
  Next stop(ErrorCode code, std::optional<int32_t> position, std::optional<int64_t> cell = std::nullopt) const {
    raise(code, position, cell);
    return Next::kStop;
  }
  // A position beyond the track (error 15): no more rows, the closing fills
  // still run.
  Next end_beyond_track(int32_t position) const {
    raise(ErrorCode::kBeyondTrack, position);
    return Next::kEndOfRows;
  }
  // After a signal or a slowdown is placed, an error that stands from
  // earlier (the line description's error 15) ends the reading at this row,
  // recorded again with this row's position.
  Next stop_if_an_error_stands(int32_t position) const {
    const int32_t standing = s.codice_errore();
    if (standing == 0) return Next::kRow;
    s.errori.raise({static_cast<ErrorCode>(standing), Stage::kTrainReading, place, position, std::nullopt, {}, true});
    return Next::kStop;
  }
};

}  // namespace scenario
