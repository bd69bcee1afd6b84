// The two scenario codes stamped into the header slots. Both come from one
// key: the train number followed by the scenario name, lower-cased and
// completed with "aabbccddeeffgghhiillmmnnoo" so that at least 25 characters
// exist. Of the first 25 byte codes a(1)..a(25), the plain code is the sum of
// a(i) and the weighted code the sum of a(i) * i.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scenario {

// Lower-cases Windows-1252 text: A-Z, À-Þ except ×, and Š Œ Ž Ÿ.
std::string lower_case_1252(std::string_view text);

// The key the codes are taken from.
std::string scenario_key(std::string_view treno, std::string_view nome);

// The plain code (at most 25 * 255, so it fits in 16 bits).
int32_t weighted_scenario_code(std::string_view treno, std::string_view nome);

// The weighted code (at most 325 * 255).
int32_t plain_scenario_code(std::string_view treno, std::string_view nome);

}  // namespace scenario
