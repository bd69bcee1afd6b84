#include "compiler/train/train_keywords.h"

namespace scenario {

bool starts_train_row(std::string_view field) {
  for (const TrainKeyword& k : kTrainKeywords) {
    if (k.test.matches(field)) return true;
  }
  return false;
}

std::string_view train_row_columns(std::string_view field) {
  for (const TrainKeyword& k : kTrainKeywords) {
    if (k.test.matches(field)) return k.columns;
  }
  return {};
}

std::vector<std::string_view> train_keywords() {
  std::vector<std::string_view> spellings;
  for (const TrainKeyword& k : kTrainKeywords) spellings.push_back(k.spelling);
  return spellings;
}

}  // namespace scenario
