// The two scenario codes stamped into the header slots. Both come from one
// key: the train number (text of record 86) followed by the scenario name
// (text of record 85), lower-cased and completed with
// "aabbccddeeffgghhiillmmnnoo" so that at least 25 characters exist. Of the
// first 25 byte codes a(1)..a(25), the plain code is the sum of a(i) and the
// weighted code the sum of a(i) * i.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compiler/model/state.h"

namespace scenario {

// Lower-cases Windows-1252 text: A-Z, À-Þ except ×, and Š Œ Ž Ÿ.
std::string lower_case_1252(std::string_view text);

// The plain code (at most 25 * 255, so it fits in 16 bits). Overwrites
// `chiave_gara` with the key.
int32_t codice_gara_og(Stato& stato);

// The weighted code (at most 325 * 255). Overwrites `chiave_gara` with the key.
int32_t codice_gara_st(Stato& stato);

}  // namespace scenario
