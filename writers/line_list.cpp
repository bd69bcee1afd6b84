#include "writers/line_list.h"

namespace scenario {

std::string lines_text(const std::vector<std::string_view>& lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

std::optional<IoError> write_lines(const std::filesystem::path& file,
                                   const std::vector<std::string_view>& lines) {
  return replace_file(file, lines_text(lines));
}

}  // namespace scenario
