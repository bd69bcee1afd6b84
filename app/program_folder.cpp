#include "app/program_folder.h"

#include <system_error>

namespace scenario {

std::optional<std::filesystem::path> program_folder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return std::nullopt;
  return exe.parent_path();
}

}  // namespace scenario
