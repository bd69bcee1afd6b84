#pragma once

#include <filesystem>
#include <optional>

namespace scenario {

// The folder of the running executable (not the working directory), or
// nothing when the system does not tell it.
std::optional<std::filesystem::path> program_folder();

}  // namespace scenario
