#include "compiler/text/edit_distance.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

TEST(EditDistance, CountsInsertionsDeletionsAndReplacements) {
  const struct {
    std::string_view a, b;
    size_t distance;
  } cases[] = {
      {"", "", 0},
      {"", "abc", 3},
      {"abc", "", 3},
      {"pendenza", "pendenza", 0},
      {"pendneza", "pendenza", 2},  // two letters swapped: two replacements
      {"pendeza", "pendenza", 1},
      {"pendenzaa", "pendenza", 1},
      {"pemdenza", "pendenza", 1},
      {"kitten", "sitting", 3},
      {"stazone", "stazione", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(edit_distance(c.a, c.b), c.distance) << c.a << " -> " << c.b;
    EXPECT_EQ(edit_distance(c.b, c.a), c.distance) << c.b << " -> " << c.a;
  }
}

// Past its limit the count stops, one above the limit; at or below it the
// count is exact.
TEST(EditDistance, StopsCountingPastItsLimit) {
  EXPECT_EQ(edit_distance("kitten", "sitting", 3), 3u);
  EXPECT_EQ(edit_distance("kitten", "sitting", 2), 3u);
  EXPECT_EQ(edit_distance("kitten", "sitting", 0), 1u);
  EXPECT_EQ(edit_distance("pendenza", "pendenza", 0), 0u);
  const std::string noise(400, 'x');
  EXPECT_EQ(edit_distance(noise, "cartello_indicatore", 9), 10u);
  EXPECT_EQ(edit_distance(noise, "cartello_indicatore"), 400u);
}

// Two edits always count; a longer keyword allows a third of its length.
TEST(EditDistance, CloseEnoughIsTwoEditsOrAThirdOfTheKeyword) {
  const struct {
    size_t distance;
    std::string_view keyword;
    bool close;
  } cases[] = {
      {2, "sabbia", true},   {3, "sabbia", false},  // 6 / 3 = 2
      {2, "curvas", true},   {3, "curvas", false},
      {3, "pendenza", false},                       // 8 / 3 = 2
      {3, "cartello_indicatore", true},             // 19 / 3 = 6
      {6, "cartello_indicatore", true},  {7, "cartello_indicatore", false},
      {9, "progressiva chilometrica uno", true},    // 28 / 3 = 9
      {10, "progressiva chilometrica uno", false},
  };
  for (const auto& c : cases) EXPECT_EQ(close_enough(c.distance, c.keyword), c.close) << c.distance << " " << c.keyword;
}

}  // namespace
}  // namespace scenario
