// A place in the descriptions: which file, line and column (from 1). Line 0
// means the whole file, or no place at all.
#pragma once

#include <cstdint>

namespace scenario {

enum class Description : uint8_t { kNone, kLine, kTrain };

struct Place {
  Description file = Description::kNone;
  int line = 0;
  int column = 0;
  bool operator==(const Place&) const = default;
};

}  // namespace scenario
