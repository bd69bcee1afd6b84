// The one way every source text is written: the lines in order, each ended by
// CR LF, single-byte text, the file replaced whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "common/replace_file.h"

namespace scenario {

std::optional<IoError> write_lines(const std::filesystem::path& file,
                                   const std::vector<std::string_view>& lines);

}  // namespace scenario
