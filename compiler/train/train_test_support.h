// Helpers for the train reader's tests: a state with a sized model, and a
// train description built from rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/model.h"
#include "compiler/model/state.h"

namespace scenario::testing {

// A state whose model has been sized for a route of `route_length` metres
// (103 000 m: cells 0..2200), as the line reader leaves it.
inline Stato route_state(int32_t route_length = 103000) {
  Stato s;
  create_model(s.modello, route_length, false);
  return s;
}

// "[generale]", the rows, then "[fine]" as the last field, each line ended
// with CR LF.
inline std::string train_text(const std::vector<std::string_view>& rows) {
  std::string text = "[generale]\r\n";
  for (std::string_view row : rows) text.append(row).append("\r\n");
  return text + "[fine]\r\n";
}

}  // namespace scenario::testing
