// The descriptions and the compiled files hold single-byte Windows-1252
// text; messages, JSON and pages are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// Converts Windows-1252 text to UTF-8; the five bytes that the code page
// leaves unassigned keep their Latin-1 code point.
std::string to_utf8(std::string_view text);

// An author's text as a message quotes it: in double quotes, in UTF-8.
std::string quoted_utf8(std::string_view text);

}  // namespace scenario
