// The line's own kilometre posts, inferred from the kilometric progressives
// (records 81..83): from a progressive's route position on, the line metre is
// the route metre plus the kilometric value it gives there. Before the first
// progressive, or on a line without one, there is no line kilometre.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "readback/decode.h"

namespace scenario {

// Route metres [from, to) carry line metre = route metre + offset; the last
// stretch runs on to the end (no `to`).
struct KilometreStretch {
  int64_t from = 0;
  std::optional<int64_t> to;
  int64_t offset = 0;
  bool operator==(const KilometreStretch&) const = default;
};

// The stretches in route order. A progressive whose three members are all 0
// is absent; of two at the same position the one in the lower record wins.
std::vector<KilometreStretch> kilometre_stretches(const DecodedRecords& records);

// The line metre at a route metre, or nothing before the first progressive.
std::optional<int64_t> line_metre(const std::vector<KilometreStretch>& stretches, int64_t route_metre);

// Every route metre from 0 to `last_route_metre` where the line metre is
// `line_metre`, in route order: a count that restarts can pass one
// kilometre twice.
std::vector<int64_t> route_metres_at(const std::vector<KilometreStretch>& stretches, int64_t line_metre,
                                     int64_t last_route_metre);

// A line metre as the line's posts write it: 90300 is "90+300", -200 "-0+200".
std::string line_km_text(int64_t line_metre);

// The line metre of a kilometre as `scenario inspect --at` and the route
// page's search take it (tools/view/rules/kilometres.js parses the same):
// "km" in any case before or after the number or neither, "-" or not, then
// "90+300" (1 to 3 digits of metres past the post), "90.3" or "90,3" (1 to 3
// decimals) or "90", with at most 9 digits of kilometres; spaces around it
// are trimmed. Nothing for other text.
std::optional<int64_t> parse_line_km(std::string_view text);

}  // namespace scenario
