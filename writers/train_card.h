// The train card: the fixed-width sheet that the driver reads beside the
// simulator, listing from departure to arrival the speed limits, kilometre
// points, stations, timetable and recovery margins of train 7395. Nothing
// reads it back. See docs/formats.md, "Train card".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The card's 52 lines, in file order, without line ends.
const std::vector<std::string_view>& train_card_lines();

// Writes the card to `files.scheda_txt`, replacing any earlier file.
std::optional<IoError> write_train_card(const FileNames& files);

}  // namespace scenario
