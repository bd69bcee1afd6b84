// The words the description targets build their inputs from: every keyword
// and section header of both descriptions, from the readers' own tables, and
// the numbers that go into their fields. The dictionary (fuzz_make_seeds) and
// the row mutator take them from here.
#pragma once

#include <iterator>
#include <string_view>
#include <vector>

#include "compiler/line/line_keywords.h"
#include "compiler/train/train_keywords.h"

namespace scenario::fuzz {

// Numbers at the edges the readers test (the 50 m grid, a cell's byte, the
// route's length limit, 32-bit ends), and the forms of a number they meet
// (a decimal comma or point, an exponent).
inline constexpr std::string_view kFieldNumbers[] = {"0", "-1", "1", "49", "50", "51", "-50", "255", "256", "1000",
                                                     "7000", "103000", "1000000", "32767", "65536", "2147483647",
                                                     "-2147483648", "99999999999", "2,5", "2.5", "1e9"};

// Every keyword of both descriptions, then their section headers.
inline std::vector<std::string_view> description_words() {
  std::vector<std::string_view> words = line_keywords();
  const std::vector<std::string_view> train = train_keywords();
  words.insert(words.end(), train.begin(), train.end());
  words.insert(words.end(), std::begin(kLineSections), std::end(kLineSections));
  words.insert(words.end(), std::begin(kTrainSections), std::end(kTrainSections));
  return words;
}

}  // namespace scenario::fuzz
