// The train's own data: the braked-mass percentage and the number of coaches
// (record 84), the clock and the sand (record 0). docs/formats.md, "Train
// description".
#pragma once

#include "compiler/text/row.h"
#include "compiler/train/train_keywords.h"

namespace scenario {

// Reads a "percentuale massa frenata", "numero vetture", "orologio" or
// "sabbia" row (`kind`; the keyword is already read) into its record. A
// value too wide for its member is a reading failure.
Next read_train_data_row(TrainRow kind, const Row& row);

}  // namespace scenario
