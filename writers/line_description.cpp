#include "writers/line_description.h"

namespace scenario {

std::optional<IoError> write_line_description(const FileNames& names) {
  return replace_file(names.linea_txt, line_description_text());
}

}  // namespace scenario
