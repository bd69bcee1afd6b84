#include "compiler/output/codes.h"

namespace scenario {
namespace {

constexpr std::string_view kFiller = "aabbccddeeffgghhiillmmnnoo";
constexpr int kKeyLength = 25;

char lower_1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  const bool ascii_upper = b >= 'A' && b <= 'Z';
  const bool accented_upper = b >= 0xC0 && b <= 0xDE && b != 0xD7;  // À..Þ without ×
  if (ascii_upper || accented_upper) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return c;
  }
}

// The first 25 byte codes of the key, each weighted by `weighted ? i : 1`.
int32_t key_sum(std::string_view treno, std::string_view nome, bool weighted) {
  const std::string key = scenario_key(treno, nome);
  int32_t sum = 0;
  for (int i = 1; i <= kKeyLength; ++i) {
    const int32_t a = static_cast<unsigned char>(key[static_cast<size_t>(i - 1)]);
    sum += weighted ? a * i : a;
  }
  return sum;
}

}  // namespace

std::string lower_case_1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lower_1252(c);
  return out;
}

std::string scenario_key(std::string_view treno, std::string_view nome) {
  std::string key = lower_case_1252(std::string(treno) + std::string(nome));
  key += kFiller;
  return key;
}

int32_t weighted_scenario_code(std::string_view treno, std::string_view nome) { return key_sum(treno, nome, false); }

int32_t plain_scenario_code(std::string_view treno, std::string_view nome) { return key_sum(treno, nome, true); }

}  // namespace scenario
