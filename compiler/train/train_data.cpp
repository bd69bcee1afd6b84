#include "compiler/train/train_data.h"

#include "compiler/text/read_failure.h"

namespace scenario {

Next read_train_data_row(TrainRow kind, const Row& row) {
  Record& train_data = row.s.model.record[kTrainDataSlot];
  Record& train = row.s.model.record[kTrainSlot];
  switch (kind) {
    case TrainRow::kBrakedMass:
      train_data.inizio_zona = row.in.number();
      break;
    case TrainRow::kCoaches:
      train_data.posizione_punto = row.in.number();
      break;
    case TrainRow::kClock:
      train.dato_7 = checked<int16_t>(row.in.number());
      train.dato_8 = checked<int16_t>(row.in.number());
      train.dato_9 = checked<int16_t>(row.in.number());
      break;
    case TrainRow::kSand:
      train.dato_4 = checked<int16_t>(row.in.number());
      break;
    default:
      break;
  }
  return Next::kRow;
}

}  // namespace scenario
