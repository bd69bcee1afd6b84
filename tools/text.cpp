#include "tools/text.h"

namespace scenario::tools {

std::string xml_escape(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
    }
  }
  return out;
}

size_t utf8_letters(std::string_view utf8) {
  size_t letters = 0;
  for (const char c : utf8) letters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return letters;
}

}  // namespace scenario::tools
