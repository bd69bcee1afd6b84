#include "compiler/model/description_files.h"

#include <system_error>

namespace scenario {

void discard_after_reading(const DescriptionFiles& files, const std::filesystem::path& read,
                           bool reading_failed) {
  if (!files.delete_after_reading) return;
  // A file that cannot be deleted stays behind; the compiled result is the same.
  std::error_code ignored;
  std::filesystem::remove(read, ignored);
  if (reading_failed) {
    std::filesystem::remove(files.linea, ignored);
    std::filesystem::remove(files.treno, ignored);
  }
}

}  // namespace scenario
