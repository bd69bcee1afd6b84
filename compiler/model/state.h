// Everything one compilation owns: the scenario name and train number it
// compiles, whether it builds the geometry, the track model, the errors it
// raised, where each object came from and how the readings ended.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "compiler/model/errors.h"
#include "compiler/model/model.h"
#include "compiler/model/place.h"
#include "compiler/model/warnings.h"

namespace scenario {

// The description row that put each object into the model: the cell's
// object, and each record. Cells the walk marks keep no place.
struct Origins {
  std::vector<Place> cella;  // one per cell of the model
  std::array<Place, kRecordCount> record{};
  std::array<Place, kRecordCount> station_time{};  // a station's hours, the first of its time's fields
  Place route_length;  // the value of "lunghezza percorso"
};

// Rows the readers took in that leave no count of their own in the model;
// the author tools report them.
struct RowCounts {
  int32_t curve = 0;
  int32_t gradients = 0;
  int32_t stations = 0;
};

// How the reading of one description ended.
enum class ReadingEnd : uint8_t {
  kNotRead,         // not read at all (missing, or the line reading did not allow it)
  kCompleted,       // to the end of the file, or to a position beyond the track (error 15)
  kStopped,         // an error ended it at once
  kReadingFailure,  // error 25: both descriptions are discarded
};

struct Reading {
  ReadingEnd end = ReadingEnd::kNotRead;
  int last_line = 0;  // line of the last row interpreted
};

struct CompilationState {
  std::string nome;
  std::string treno;
  bool build_geometry = true;  // build the line geometry (and read the curve rows)
  // The readers note warnings and, after an error that ends a reading,
  // resume at the next line that starts with a keyword, so that one pass
  // finds every fault. The compiler proper leaves it off.
  bool diagnostic_mode = false;
  // A diagnostic reading whose line description gave no route length reads
  // on over a model of the longest route, which no position of a sound row
  // passes.
  bool stand_in_model = false;
  TrackModel model;
  RaisedErrors errors;
  std::vector<Warning> warnings;  // only with `diagnostic_mode`
  Origins origins;
  RowCounts rows_read;
  Reading line_reading;
  Reading train_reading;

  int32_t codice_errore() const { return errors.codice_errore(); }
  int32_t posizione_errore() const { return errors.posizione_errore(); }
};

// Sizes the model for a route of `route_length` metres (create_model, with
// the geometry when `build_geometry`) and the cells' origins with it.
inline void create_track(CompilationState& s, int32_t route_length) {
  create_model(s.model, route_length, s.build_geometry);
  s.origins.cella.assign(s.model.celle.size(), Place{});
}

// The stand-in model of a diagnostic reading (CompilationState::stand_in_model).
inline void create_stand_in_track(CompilationState& s) {
  create_track(s, kMaxRouteLength);
  s.stand_in_model = true;
}

}  // namespace scenario
