#include "writers/train_description.h"

namespace scenario {

std::optional<IoError> write_train_description(const FileNames& names) {
  return replace_file(names.treno_txt, train_description_text());
}

}  // namespace scenario
