#include "writers/train_card.h"

namespace scenario {

std::optional<IoError> write_train_card(const FileNames& files) {
  return replace_file(files.scheda_txt, train_card_text());
}

}  // namespace scenario
