#include "writers/line_notes.h"

namespace scenario {

std::optional<IoError> write_line_notes(const FileNames& files) {
  return replace_file(files.note_txt, line_notes_text());
}

}  // namespace scenario
