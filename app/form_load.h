// The builder's run: writes the scenario's source texts into a folder and
// compiles them there. Nothing here prints or ends the process.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/replace_file.h"
#include "compiler/model/state.h"

namespace scenario {

inline constexpr const char* kScenarioName = "Montebrisca_Lurna";
inline constexpr const char* kTrainNumber = "7395";

struct RunOutcome {
  std::optional<IoError> io_error;  // a file could not be written
  int32_t fatal = 0;                // 1250/1251, or no track model: nothing compiled was written
};

// Runs the whole job into `folder`, with `stato` as the run's state.
RunOutcome form_load(const std::filesystem::path& folder, Stato& stato);

}  // namespace scenario
