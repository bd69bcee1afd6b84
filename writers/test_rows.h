// Helpers for the tests of the description data sets: the lines of a text,
// the rows of a section and the comma-separated fields of a row.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scenario::testing {

// The lines of a text written with CR LF after every line, without their line
// ends; text after the last CR LF is a last line of its own.
inline std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find("\r\n"), text.size());
    lines.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 2, text.size()));
  }
  return lines;
}

inline bool is_header(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

// How many of `quoted`, from the first, stand among `lines` in the same
// order (other lines may stand between them).
inline size_t found_in_order(const std::vector<std::string_view>& lines,
                             const std::vector<std::string_view>& quoted) {
  size_t found = 0;
  for (const std::string_view line : lines) {
    if (found < quoted.size() && line == quoted[found]) ++found;
  }
  return found;
}

// Each header line with the number of rows under it, in file order.
inline std::vector<std::pair<std::string, int>> section_sizes(
    const std::vector<std::string_view>& lines) {
  std::vector<std::pair<std::string, int>> sizes;
  for (const std::string_view line : lines) {
    if (is_header(line)) {
      sizes.emplace_back(std::string(line), 0);
    } else if (!sizes.empty()) {
      ++sizes.back().second;
    }
  }
  return sizes;
}

// The rows under `header`, up to the next header.
inline std::vector<std::string> section_rows(const std::vector<std::string_view>& lines,
                                             std::string_view header) {
  std::vector<std::string> rows;
  bool inside = false;
  for (const std::string_view line : lines) {
    if (is_header(line)) {
      inside = line == header;
    } else if (inside) {
      rows.emplace_back(line);
    }
  }
  return rows;
}

// The fields between commas, blanks kept.
inline std::vector<std::string> split_fields(std::string_view row) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma = row.find(','); comma != std::string_view::npos;
       start = comma + 1, comma = row.find(',', start)) {
    fields.emplace_back(row.substr(start, comma - start));
  }
  fields.emplace_back(row.substr(start));
  return fields;
}

inline std::string trim(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

// A whole number right-aligned in exactly `width` characters.
inline bool is_right_aligned_number(std::string_view field, size_t width) {
  if (field.size() != width) return false;
  const std::string n = trim(field);
  if (n.empty() || field.substr(field.size() - n.size()) != n) return false;
  const size_t digits = n.front() == '-' ? 1 : 0;
  if (digits == n.size()) return false;
  for (size_t i = digits; i < n.size(); ++i) {
    if (n[i] < '0' || n[i] > '9') return false;
  }
  return true;
}

}  // namespace scenario::testing
