// The words the description targets build their inputs from: every keyword
// and section header of both descriptions, from the readers' own tables. The
// dictionary (fuzz_make_seeds) and the row mutator take them from here.
#pragma once

#include <iterator>
#include <string_view>
#include <vector>

#include "compiler/line/line_keywords.h"
#include "compiler/train/train_keywords.h"

namespace scenario::fuzz {

inline std::vector<std::string_view> description_words() {
  std::vector<std::string_view> words = line_keywords();
  const std::vector<std::string_view> train = train_keywords();
  words.insert(words.end(), train.begin(), train.end());
  words.insert(words.end(), std::begin(kLineSections), std::end(kLineSections));
  words.insert(words.end(), std::begin(kTrainSections), std::end(kTrainSections));
  return words;
}

}  // namespace scenario::fuzz
