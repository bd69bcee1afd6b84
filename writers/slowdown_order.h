// The slowdown order: the service form that tells the driver of train 7395
// which temporary speed restrictions to observe, with a numbered table and a
// key of special prescriptions. Nothing reads it back.
// See docs/formats.md, "Slowdown order".
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The order's 46 lines, in file order, without line ends.
const std::vector<std::string_view>& slowdown_order_lines();

// Writes the order to `files.rallentamenti_txt`, replacing any earlier file.
std::optional<IoError> write_slowdown_order(const FileNames& files);

}  // namespace scenario
