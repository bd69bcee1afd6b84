// The line's own kilometre posts, inferred from the kilometric progressives
// (records 81..83): from a progressive's route position on, the line metre is
// the route metre plus the kilometric value it gives there. Before the first
// progressive, or on a line without one, there is no line kilometre.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "compiler/output/decode.h"

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

}  // namespace scenario
