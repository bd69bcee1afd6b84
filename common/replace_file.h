// Replaces a file whole, so that no failure leaves it half-written: the new
// content goes to a temporary file in the same folder, is flushed to disk and
// then renamed over the target. On failure the temporary file is removed and
// the earlier file stays as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

struct IoError {
  std::filesystem::path file;
  std::string reason;  // the system's own words (strerror)
};

std::optional<IoError> replace_file(const std::filesystem::path& target, std::string_view bytes);

}  // namespace scenario
