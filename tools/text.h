#pragma once

#include <string>

namespace scenario::tools {

// Converts single-byte Windows-1252 text to UTF-8 (for JSON and SVG).
std::string to_utf8(const std::string& text);

// Escapes the five XML special characters.
std::string xml_escape(const std::string& utf8);

}  // namespace scenario::tools
