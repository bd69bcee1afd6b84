#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario::tools {

// The whole content of a file, or nothing when it cannot be opened or read,
// with errno telling why (common/read_whole_file.h).
std::optional<std::string> read_bytes(const std::filesystem::path& file);

}  // namespace scenario::tools
