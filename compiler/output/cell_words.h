// The point object of a compiled cell in plain Italian words, with its values.
// Only what the compiler itself knows is decoded; where the meaning of a value
// is left to the simulator (signal codes, several station columns, stored
// flags) the value is shown and said to be the simulator's.
#pragma once

#include <optional>
#include <string>

#include "compiler/output/decode.h"

namespace scenario {

// UTF-8 text; empty for a cell without an object. Station names and sign
// texts come from `records`.
std::string cell_words(const Cella& cell, const DecodedRecords& records);

// One rank of a speed indicator cell, valore = left * 20 + right / 5: the left
// and right speeds in km/h, or nothing for a value that wrapped negative. The
// right speed reads back only while it is a multiple of 5 below 100 km/h.
struct BoardSpeeds {
  int left = 0;
  int right = 0;
};
std::optional<BoardSpeeds> board_speeds(int16_t packed);

// Seconds since midnight as hh:mm:ss.
std::string clock_text(int32_t seconds);

}  // namespace scenario
