// Helpers for the train reader's tests: a state with a sized model, a train
// description built from rows, and the reading of a text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/state.h"
#include "compiler/train/train_reader.h"

namespace scenario::testing {

// A state whose model has been sized for a route of `route_length` metres
// (103 000 m: cells 0..2200), as the line reader leaves it.
inline CompilationState route_state(int32_t route_length = 103000) {
  CompilationState s;
  s.build_geometry = false;
  create_track(s, route_length);
  return s;
}

// "[generale]", the rows, then "[fine]" as the last field, each line ended
// with CR LF.
inline std::string train_text(const std::vector<std::string_view>& rows) {
  std::string text = "[generale]\r\n";
  for (std::string_view row : rows) text.append(row).append("\r\n");
  return text + "[fine]\r\n";
}

// Reads `text` as the train description and tells how the reading ended.
inline ReadingEnd read_train_text(CompilationState& s, const std::string& text) {
  read_train(s, DescriptionText::of(text));
  return s.train_reading.end;
}

// An error 15 the line description raised at `position`, on its line 9: the
// train reading finds it standing.
inline void raise_line_error(CompilationState& s, int32_t position) {
  s.errors.raise(ErrorCode::kBeyondTrack, Stage::kLineReading, Place{Description::kLine, 9, 1}, {.position = position});
}

// The position the last raised error records of its own; nothing when it
// records none, or when no error was raised.
inline std::optional<int32_t> own_position(const CompilationState& s) {
  return s.errors.empty() ? std::nullopt : s.errors.all().back().position;
}

// The line the last error was located at; 0 for none, or for a whole file.
inline int error_line(const CompilationState& s) { return s.errors.empty() ? 0 : s.errors.all().back().place.line; }

}  // namespace scenario::testing
