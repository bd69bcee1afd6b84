// The line notes: a short Italian text for the driver on the line and on
// train 7395 (traction, block systems, station limits given by the signals,
// level crossings, the train's service). Nothing reads it back.
// See docs/formats.md, "Line notes".
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The notes' 51 lines, in file order, without line ends; single-byte text
// (è is 0xE8, à is 0xE0).
const std::vector<std::string_view>& line_notes_lines();

// Writes the notes to `files.note_txt`, replacing any earlier file.
std::optional<IoError> write_line_notes(const FileNames& files);

}  // namespace scenario
