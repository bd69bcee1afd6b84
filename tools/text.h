#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/windows1252.h"

namespace scenario::tools {

// Escapes the five XML special characters.
std::string xml_escape(const std::string& utf8);

// How many letters a UTF-8 text holds: its bytes less the continuation bytes.
size_t utf8_letters(std::string_view utf8);

}  // namespace scenario::tools
