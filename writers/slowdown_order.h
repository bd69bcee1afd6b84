// The slowdown order: the service form that tells the driver of train 7395
// which temporary speed restrictions to observe, with a numbered table and a
// key of special prescriptions. Nothing reads it back.
// See docs/formats.md, "Slowdown order".
//
// The text is testdata/builtin/Montebrisca_Lurna_7395_rallentamenti.txt,
// built into the program byte for byte (writers/embed_texts.cmake). The form
// always shows 26 body rows, used or not; its one restriction is the train
// description's slowdown, past kilometre post 92 of the line's count, at
// CORTE VALSIO. Its table is laid out as sheet_layout.h declares.
#pragma once

#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The order's bytes: 46 lines, each ended by CR LF.
std::string_view slowdown_order_text();

// Writes the order to `files.rallentamenti_txt`, replacing any earlier file.
std::optional<IoError> write_slowdown_order(const FileNames& files);

}  // namespace scenario
