#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario {

// The whole content of a regular file, or nothing when it is missing, is not
// a regular file or cannot be read (errno then tells why).
std::optional<std::string> read_whole_file(const std::filesystem::path& file);

}  // namespace scenario
