#include "common/windows1252.h"

#include <algorithm>

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

std::string quoted_utf8(std::string_view text) { return quoted(to_utf8(text)); }

std::string quoted(std::string_view utf8) {
  std::string out = "«";
  for (const char c : utf8) {
    if (c == '"') {
      out += "＂";
    } else {
      out += c;
    }
  }
  return out + "»";
}

size_t utf8_sequence(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  }
  // No overlong form, no surrogate, nothing past U+10FFFF.
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
      (lead == 0xF4 && second >= 0x90)) {
    return 0;
  }
  return length;
}

bool is_utf8(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) < 0x80) continue;
    const size_t n = utf8_sequence(text, i);
    if (n == 0) return false;
    i += n - 1;
  }
  return true;
}

bool saved_as_utf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return true;
  return is_utf8(bytes) && std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
}

std::string utf8_as_written(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (const size_t n = utf8_sequence(text, i)) {
      out.append(text.substr(i, n));
      i += n - 1;
    } else {
      out += to_utf8(text.substr(i, 1));
    }
  }
  return out;
}

int character_column(std::string_view line, int byte_column) {
  const std::string_view before = line.substr(0, static_cast<size_t>(std::max(byte_column - 1, 0)));
  int column = 1;
  for (size_t i = 0; i < before.size(); ++i, ++column) {
    if (const size_t n = utf8_sequence(before, i)) i += n - 1;
  }
  return column;
}

}  // namespace scenario
