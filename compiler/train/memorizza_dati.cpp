#include "compiler/train/memorizza_dati.h"

#include "compiler/line/line_reader.h"
#include "compiler/train/train_reader.h"

namespace scenario {

void memorizza_dati(Stato& s, const DescriptionFiles& files) {
  if (read_line_description(s, files)) read_train_description(s, files);
}

}  // namespace scenario
