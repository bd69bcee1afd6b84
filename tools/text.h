#pragma once

#include <string>

#include "common/windows1252.h"

namespace scenario::tools {

// Escapes the five XML special characters.
std::string xml_escape(const std::string& utf8);

}  // namespace scenario::tools
