#include "readback/line_kilometre.h"

#include <algorithm>

namespace scenario {

std::vector<KilometreStretch> kilometre_stretches(const DecodedRecords& records) {
  std::vector<KilometreStretch> starts;
  for (size_t slot = 81; slot <= 83; ++slot) {
    const Record& r = records.record[slot];
    if (r.inizio_zona == 0 && r.fine_zona == 0 && r.posizione_punto == 0) continue;
    starts.push_back({r.inizio_zona, std::nullopt, r.fine_zona});
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const KilometreStretch& a, const KilometreStretch& b) { return a.from < b.from; });
  starts.erase(std::unique(starts.begin(), starts.end(),
                           [](const KilometreStretch& a, const KilometreStretch& b) { return a.from == b.from; }),
               starts.end());
  for (size_t i = 0; i + 1 < starts.size(); ++i) starts[i].to = starts[i + 1].from;
  return starts;
}

std::optional<int64_t> line_metre(const std::vector<KilometreStretch>& stretches, int64_t route_metre) {
  for (const KilometreStretch& s : stretches) {
    if (route_metre >= s.from && (!s.to || route_metre < *s.to)) return route_metre + s.offset;
  }
  return std::nullopt;
}

std::vector<int64_t> route_metres_at(const std::vector<KilometreStretch>& stretches, int64_t line_metre,
                                     int64_t last_route_metre) {
  std::vector<int64_t> found;
  for (const KilometreStretch& s : stretches) {
    const int64_t route = line_metre - s.offset;
    if (route >= s.from && (!s.to || route < *s.to) && route >= 0 && route <= last_route_metre)
      found.push_back(route);
  }
  return found;
}

std::string line_km_text(int64_t line_metre) {
  const int64_t m = line_metre < 0 ? -line_metre : line_metre;
  const std::string metres = std::to_string(m % 1000);
  std::string text = line_metre < 0 ? "-" : "";
  text.append(std::to_string(m / 1000)).append("+").append(3 - metres.size(), '0').append(metres);
  return text;
}

namespace {

// Reads the digits at the front of `text` into `value`: false when there are
// none or more than `most`.
bool digits(std::string_view& text, size_t most, int64_t& value, size_t& count) {
  value = 0;
  count = 0;
  while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
    if (count == most) return false;
    value = value * 10 + (text[count] - '0');
    ++count;
  }
  text.remove_prefix(count);
  return count > 0;
}

bool is_km(std::string_view two) {
  return two.size() == 2 && (two[0] == 'k' || two[0] == 'K') && (two[1] == 'm' || two[1] == 'M');
}

}  // namespace

std::optional<int64_t> parse_line_km(std::string_view text) {
  const auto trim = [&] {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  };
  trim();
  if (is_km(text.substr(0, 2))) {
    text.remove_prefix(2);
  } else if (text.size() >= 2 && is_km(text.substr(text.size() - 2))) {
    text.remove_suffix(2);
  }
  trim();
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  int64_t km = 0, part = 0;
  size_t count = 0;
  if (!digits(text, 9, km, count)) return std::nullopt;
  if (!text.empty()) {
    const char mark = text.front();
    if (mark != '+' && mark != '.' && mark != ',') return std::nullopt;
    text.remove_prefix(1);
    if (!digits(text, 3, part, count) || !text.empty()) return std::nullopt;
    // "90+3" is 3 metres past the post, "90.3" three tenths of a kilometre.
    if (mark != '+') part *= count == 1 ? 100 : count == 2 ? 10 : 1;
  }
  const int64_t metres = km * 1000 + part;
  return negative ? -metres : metres;
}

}  // namespace scenario
