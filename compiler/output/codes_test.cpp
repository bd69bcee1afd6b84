#include "compiler/output/codes.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(ScenarioCodes, FirstTwentyFiveBytesOfTrainNameAndFiller) {
  const struct {
    std::string treno, nome, key;
    int32_t og, st;
  } cases[] = {
      {"abc", "", "abcaabbccddeeffgghhiillmm", 2546, 33756},
      {"a", "bc", "abcaabbccddeeffgghhiillmm", 2546, 33756},
      {"c", "ab", "cabaabbccddeeffgghhiillmm", 2546, 33753},  // train number first
      {"ABC", "", "abcaabbccddeeffgghhiillmm", 2546, 33756},
      {std::string(25, 'a'), "zzz", std::string(25, 'a'), 2425, 31525},
      {std::string(20, 'a'), "AAAAAzzz", std::string(25, 'a'), 2425, 31525},
      {"\xC9", "", "\xE9" "aabbccddeeffgghhiillmmnn", 2705, 34285},  // É -> é, 233 not -23
  };
  for (const auto& c : cases) {
    EXPECT_EQ(weighted_scenario_code(c.treno, c.nome), c.og) << c.treno << "|" << c.nome;
    EXPECT_EQ(scenario_key(c.treno, c.nome).substr(0, 25), c.key);
    EXPECT_EQ(plain_scenario_code(c.treno, c.nome), c.st) << c.treno << "|" << c.nome;
  }
}

TEST(ScenarioCodes, IgnoreLetterCase) {
  EXPECT_EQ(weighted_scenario_code("7395", "MONTEBRISCA_LURNA"), weighted_scenario_code("7395", "montebrisca_lurna"));
  EXPECT_EQ(plain_scenario_code("7395", "MONTEBRISCA_LURNA"), plain_scenario_code("7395", "montebrisca_lurna"));
  EXPECT_EQ(scenario_key("7395", "MONTEBRISCA_LURNA"), "7395montebrisca_lurnaaabbccddeeffgghhiillmmnnoo");
}

TEST(LowerCase1252, LettersOnly) {
  const struct {
    unsigned char in, out;
  } cases[] = {
      {'A', 'a'},   {'Z', 'z'},   {'@', '@'},   {'[', '['},   {'a', 'a'},   {'7', '7'},
      {0xC0, 0xE0}, {0xDE, 0xFE}, {0xD7, 0xD7}, {0xDF, 0xDF}, {0xBF, 0xBF}, {0xE0, 0xE0},
      {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}, {0x8D, 0x8D}, {0x9A, 0x9A},
  };
  for (const auto& c : cases) {
    const std::string in(1, static_cast<char>(c.in));
    EXPECT_EQ(lower_case_1252(in), std::string(1, static_cast<char>(c.out))) << int{c.in};
  }
}

}  // namespace
}  // namespace scenario
