

#include "tools/json_text.h"
#include "tools/text.h"
#include "tools/view/view_assets.h"
#include "tools/view/view_page.h"
#include <algorithm>
#include <string_view>
#include <vector>

namespace scenario::tools {
namespace {

struct Fill {
  std::string_view placeholder;
  std::string value;
};

// Replaces each placeholder of the markup in one pass over it, so that a
// value holding a placeholder's text is never touched again.
std::string fill(std::string_view markup, const std::vector<Fill>& fills) {
  std::string out;
  size_t pos = 0;
  while (pos < markup.size()) {
    size_t next = std::string_view::npos;
    const Fill* found = nullptr;
    for (const Fill& f : fills) {
      const size_t at = markup.find(f.placeholder, pos);
      if (at < next) next = at, found = &f;
    }
    if (!found) break;
    out.append(markup.substr(pos, next - pos)).append(found->value);
    pos = next + found->placeholder.size();
  }
  out.append(markup.substr(std::min(pos, markup.size())));
  return out;
}

}  // namespace

std::string script_safe_json(const nlohmann::ordered_json& data) {
  // A name given on the command line that is not UTF-8 keeps its bytes as
  // escapes.
  const std::string json = json_text(data, -1);
  std::string out;
  out.reserve(json.size() + json.size() / 64);
  for (const char c : json) {
    switch (c) {
      case '<': out += "\\u003c"; break;
      case '>': out += "\\u003e"; break;
      case '&': out += "\\u0026"; break;
      default: out += c;
    }
  }
  return out;
}

std::string view_page(const nlohmann::ordered_json& data) {
  return fill(kViewPageMarkup, {{"@TITLE@", xml_escape(data.value("title", std::string()))},
                                {"@STYLE@", kViewPageStyle},
                                {"@SCRIPT@", kViewPageScript},
                                {"@DATA@", script_safe_json(data)}});
}

}  // namespace scenario::tools
