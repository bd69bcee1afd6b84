#include "common/windows1252.h"

namespace scenario {

std::string to_utf8(std::string_view text) {
  // Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes keep
  // their Latin-1 code point.
  static const char16_t k1252[32] = {
      0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
      0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
  std::string out;
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    const char32_t cp = (b >= 0x80 && b < 0xA0) ? k1252[b - 0x80] : b;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string quoted_utf8(std::string_view text) {
  std::string out = "\"";
  out.append(to_utf8(text)).append("\"");
  return out;
}

}  // namespace scenario
