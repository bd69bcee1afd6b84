#include "tools/json_text.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "common/windows1252.h"

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;

// The JSON string for `text`: its UTF-8 as nlohmann writes it, every other
// byte as \udcXX.
std::string escaped(std::string_view text) {
  std::string out = "\"";
  std::string run;
  const auto flush = [&] {
    const std::string dumped = Json(run).dump();
    out.append(dumped, 1, dumped.size() - 2);
    run.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t n = b < 0x80 ? 1 : utf8_sequence(text, i);
    if (n > 0) {
      run.append(text.substr(i, n));
      i += n - 1;
      continue;
    }
    flush();
    char escape[7];
    std::snprintf(escape, sizeof escape, "\\udc%02x", b);
    out += escape;
  }
  flush();
  return out + "\"";
}

// Puts a stand-in in place of each string that is not UTF-8: `mark` and its
// index.
void stand_in(Json& value, const std::string& mark, std::vector<std::string>& kept) {
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (!is_utf8(text)) {
      kept.push_back(escaped(text));
      value = mark + std::to_string(kept.size() - 1) + "#";
    }
  } else if (value.is_structured()) {
    for (Json& item : value) stand_in(item, mark, kept);
  }
}

}  // namespace

std::string json_text(Json document, int indent) {
  const std::string plain = document.dump(indent, ' ', false, Json::error_handler_t::replace);
  // A mark that no string of the document holds: NUL, then as many # as it takes.
  std::string mark(1, '\0');
  std::string mark_dumped = "\\u0000";
  while (plain.find(mark_dumped) != std::string::npos) {
    mark += '#';
    mark_dumped += '#';
  }
  std::vector<std::string> kept;
  stand_in(document, mark, kept);
  if (kept.empty()) return plain;
  std::string text = document.dump(indent);
  for (size_t i = 0; i < kept.size(); ++i) {
    const std::string placeholder = "\"" + mark_dumped + std::to_string(i) + "#\"";
    text.replace(text.find(placeholder), placeholder.size(), kept[i]);
  }
  return text;
}

}  // namespace scenario::tools
