#include "tools/file_bytes.h"

#include "common/read_whole_file.h"

namespace scenario::tools {

std::optional<std::string> read_bytes(const std::filesystem::path& file) { return read_whole_file(file); }

}  // namespace scenario::tools
