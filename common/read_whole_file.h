// Reads a whole file with the system's own calls, so that a read error
// comes back as a value instead of an exception out of a stream: a
// directory, a device that fails halfway, a file that vanished.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario {

// The whole content of `file`, or nothing when it cannot be opened or read,
// with errno left as the failing call set it (ENOENT, EISDIR, EIO...).
std::optional<std::string> read_whole_file(const std::filesystem::path& file);

}  // namespace scenario
