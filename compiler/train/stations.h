// Station rows of the train description: each fills one scenario record from
// slot 1 upward and, for the categories that stop, the stop cell and the
// approach codes before it. Columns in docs/formats.md.
#pragma once

#include <cstdint>

#include "compiler/text/row.h"

namespace scenario {

// Reads the seventeen columns of a "stazione" row (the keyword is already
// read) into record `index`, step by step, each check right after the
// values it needs, so that a refused row keeps what was stored before.
// `index` counts stations from 1 and advances after each stored station.
// `next_sign_slot`, the next free sign slot, bounds it: a station whose own
// slot is at or above it is refused, and an index that reaches it after the
// increase ends the reading; both are error 10.
Next read_station(const Row& row, int32_t& index);

}  // namespace scenario
