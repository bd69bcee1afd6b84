#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario::tools {

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> read_bytes(const std::filesystem::path& file);

}  // namespace scenario::tools
