// The one way every source text is written: the lines in order, each ended by
// CR LF, single-byte text, the file replaced whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/replace_file.h"

namespace scenario {

// The bytes of a text: each line followed by CR LF.
std::string lines_text(const std::vector<std::string_view>& lines);

std::optional<IoError> write_lines(const std::filesystem::path& file,
                                   const std::vector<std::string_view>& lines);

}  // namespace scenario
