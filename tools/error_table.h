#pragma once

#include <string_view>

namespace scenario::tools {

// One sentence, in Italian, for every error number the compiler records or
// raises; an unknown number gets a generic sentence.
std::string_view error_meaning(int code);

// Whether the error carries a position of its own (errors 2, 10, 24, 25 and
// 103 leave the position of an earlier error, or none).
bool error_has_position(int code);

}  // namespace scenario::tools
