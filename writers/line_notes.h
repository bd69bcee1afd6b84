// The line notes: a short Italian text for the driver on the line and on
// train 7395 (traction, block systems, station limits given by the signals,
// level crossings, the train's service). Nothing reads it back.
// See docs/formats.md, "Line notes".
//
// The text is testdata/builtin/Montebrisca_Lurna_7395_note.txt, built into
// the program byte for byte (writers/embed_texts.cmake). Its lines are not
// wrapped: a sentence that goes on to the next line ends with a space.
#pragma once

#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The notes' bytes: 51 lines, each ended by CR LF; single-byte text (è is
// 0xE8, à is 0xE0).
std::string_view line_notes_text();

// Writes the notes to `files.note_txt`, replacing any earlier file.
std::optional<IoError> write_line_notes(const FileNames& files);

}  // namespace scenario
