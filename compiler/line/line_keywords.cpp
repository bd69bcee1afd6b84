#include "compiler/line/line_keywords.h"

#include <string>

namespace scenario {

bool is_line_row(LineRow row, std::string_view field) {
  for (const LineKeyword& k : kLineKeywords) {
    if (k.row == row) return k.test.matches(field);
  }
  return false;
}

bool starts_line_row(std::string_view field, LineSection section) {
  for (const LineKeyword& k : kLineKeywords) {
    if (k.section == section && k.test.matches(field)) return true;
  }
  return false;
}

std::string_view line_row_columns(std::string_view field, LineSection section) {
  for (const LineKeyword& k : kLineKeywords) {
    if (k.section == section && k.test.matches(field)) return k.columns;
  }
  return {};
}

bool is_line_section(std::string_view field) {
  const std::string lowered = lower_ascii(std::string(field));
  for (const std::string_view header : kLineSections) {
    if (lowered == header) return true;
  }
  return false;
}

std::vector<std::string_view> line_keywords() {
  std::vector<std::string_view> spellings;
  for (const LineKeyword& k : kLineKeywords) {
    for (const std::string_view s : k.spellings) {
      if (!s.empty()) spellings.push_back(s);
    }
  }
  return spellings;
}

}  // namespace scenario
