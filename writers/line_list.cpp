#include "writers/line_list.h"

#include <string>

namespace scenario {

std::optional<IoError> write_lines(const std::filesystem::path& file,
                                   const std::vector<std::string_view>& lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return replace_file(file, text);
}

}  // namespace scenario
