#include "sheets/sheet_text.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "common/windows1252.h"
#include "writers/sheet_layout.h"

namespace scenario {
namespace {

bool is_upper(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7); }
bool is_lower(unsigned char b) { return (b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7); }

// The letters of 0x80..0x9F with a pair of cases: Š Œ Ž and Ÿ.
unsigned char lower(unsigned char b) {
  if (is_upper(b)) return static_cast<unsigned char>(b + 0x20);
  switch (b) {
    case 0x8A: case 0x8C: case 0x8E: return static_cast<unsigned char>(b + 0x10);
    case 0x9F: return 0xFF;
    default: return b;
  }
}

unsigned char upper(unsigned char b) {
  if (is_lower(b)) return static_cast<unsigned char>(b - 0x20);
  switch (b) {
    case 0x9A: case 0x9C: case 0x9E: return static_cast<unsigned char>(b - 0x10);
    case 0xFF: return 0x9F;
    default: return b;
  }
}

// The code point of the well-formed UTF-8 sequence of `length` bytes at `at`.
char32_t code_point(std::string_view text, size_t at, size_t length) {
  const auto byte = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[at + i])); };
  if (length == 1) return byte(0);
  char32_t cp = byte(0) & (0xFF >> (length + 1));
  for (size_t i = 1; i < length; ++i) cp = (cp << 6) | (byte(i) & 0x3F);
  return cp;
}

// Each printable character of Windows-1252 by its code point, from the one
// table common/windows1252.cpp holds.
const std::map<char32_t, char>& windows1252_bytes() {
  static const std::map<char32_t, char> bytes = [] {
    std::map<char32_t, char> map;
    for (int b = 0x20; b <= 0xFF; ++b) {
      const std::string utf8 = to_utf8(std::string(1, static_cast<char>(b)));
      const char32_t cp = code_point(utf8, 0, utf8.size());
      if (cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) continue;  // controls, and the bytes the code page leaves unassigned
      map.emplace(cp, static_cast<char>(b));
    }
    return map;
  }();
  return bytes;
}

}  // namespace

std::string centred(std::string_view text, size_t width, SpareColumn spare) {
  if (text.size() >= width) return std::string(text);
  const size_t pad = width - text.size();
  const size_t before = spare == SpareColumn::kAfter ? pad / 2 : (pad + 1) / 2;
  std::string out(before, ' ');
  out.append(text).append(pad - before, ' ');
  return out;
}

std::string cut_to(std::string_view text, size_t width) {
  if (text.size() <= width) return std::string(text);
  if (width == 0) return {};
  std::string cut(text.substr(0, width - 1));
  // "SAN GIOVANNI~", not "SAN GIOVANNI ~": the mark stands against the text.
  while (!cut.empty() && cut.back() == ' ') cut.pop_back();
  return cut += kCutMark;
}

std::string cut_warning(std::string_view text, std::string_view written, size_t width, std::string_view where) {
  return quoted_utf8(text) + " è più lungo di quanto tiene " + std::string(where) + " (" + std::to_string(width) +
         " caratteri): scritto " + quoted_utf8(written);
}

std::string fitted(std::string_view text, size_t width, std::string_view where, SheetWarnings& warnings) {
  std::string written = cut_to(text, width);
  if (written.size() != text.size()) warnings.push_back(cut_warning(text, written, width, where));
  return written;
}

std::string title_case(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool word_start = true;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    out += static_cast<char>(word_start ? upper(b) : lower(b));
    word_start = c == ' ' || c == '-' || c == '\'' || c == '.';
  }
  return out;
}

std::string kilometre_text(int64_t line_metre) {
  const int64_t m = line_metre < 0 ? -line_metre : line_metre;
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%03lld", line_metre < 0 ? "-" : "", static_cast<long long>(m / 1000),
                static_cast<long long>(m % 1000));
  return text;
}

std::string clock_minutes(double seconds) {
  const int64_t minutes = (std::llround(seconds / 60) % 1440 + 1440) % 1440;
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
  return text;
}

std::optional<std::string> windows1252_from_utf8(std::string_view utf8) {
  const auto& bytes = windows1252_bytes();
  std::string out;
  for (size_t at = 0; at < utf8.size();) {
    const size_t length = static_cast<unsigned char>(utf8[at]) < 0x80 ? 1 : utf8_sequence(utf8, at);
    if (length == 0) return std::nullopt;
    const auto found = bytes.find(code_point(utf8, at, length));
    if (found == bytes.end()) return std::nullopt;
    out += found->second;
    at += length;
  }
  return out;
}

std::string table_row(std::span<const size_t> widths, const std::vector<std::string>& cells) {
  std::vector<std::string> cut;
  std::vector<std::string_view> views;
  for (size_t i = 0; i < cells.size() && i < widths.size(); ++i) cut.push_back(cut_to(cells[i], widths[i]));
  for (const std::string& cell : cut) views.push_back(cell);
  return *sheet_row(widths, views);
}

std::string crlf_text(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace scenario
