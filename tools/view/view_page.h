// The self-contained HTML page of `scenario view`: the page's own markup,
// style and script (tools/view/, built into the program) around the route's
// data. Nothing is loaded from elsewhere.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace scenario::tools {

// The data as the text of a JSON script element: the characters that could end
// the element or open markup ("<", ">", "&") are written as \u escapes, so that
// no text in the data can close its own script element.
std::string script_safe_json(const nlohmann::ordered_json& data);

// The whole page for the data of view_data().
std::string view_page(const nlohmann::ordered_json& data);

}  // namespace scenario::tools
