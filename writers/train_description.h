// The scenario's train description: train 7395's general data, adhesion,
// speed limits, stations, the slowdown and the signals along the line of
// line_description.h. Row layouts in docs/formats.md.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The 90 lines of the train description, in file order, without line ends.
const std::vector<std::string_view>& train_description_lines();

// Writes train_description_lines() to names.treno_txt, replacing any earlier file.
std::optional<IoError> write_train_description(const FileNames& names);

}  // namespace scenario
