// A JSON document as the tools write it. Paths are bytes: one that is not
// UTF-8 keeps each such byte as the escape \udcXX (XX its value), which a
// reader that decodes file names with surrogate escapes turns back into the
// same byte, instead of losing it to U+FFFD.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace scenario::tools {

// `indent` as nlohmann's dump takes it (-1: one line).
std::string json_text(nlohmann::ordered_json document, int indent);

}  // namespace scenario::tools
