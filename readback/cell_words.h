// The point object of a compiled cell and the content of a scenario record in
// plain Italian words, with their values, and where the descriptions wrote
// what lands in a cell. Only what the compiler itself knows is decoded; where
// the meaning of a value is left to the simulator (signal codes, several
// station columns, stored flags) the value is shown and said to be the
// simulator's.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "compiler/model/numbers.h"
#include "readback/decode.h"

namespace scenario {

// UTF-8 text; empty for a cell without an object. Station names and sign
// texts come from `records`; without them (nullptr) the words say which
// record holds them.
std::string cell_words(const Cella& cell, const DecodedRecords* records);

// Where the object of cell `index` came from. `written`: the whole positions
// that, written in a description's row, land in this cell (for a warning
// board, the slowdown's start; for a slowdown's end, start plus length).
// `station_position`: a station stop's station, whose stop cell follows from
// its zone instead. `words`: the same in Italian, "scritto tra 676 e 724 m →
// cella 15". All empty for what the compiler derives (approach cells,
// mountain markers).
struct ObjectPlacement {
  std::optional<PositionRange> written;
  std::optional<int32_t> station_position;
  std::string words;
};
ObjectPlacement object_placement(const Cella& cell, int64_t index, const DecodedRecords* records);

// What a scenario record holds. Stations fill the records from 1 upward and
// sign texts from 80 downward; only a sign's cell in the track tells the two
// apart for certain. Without the track, the sign texts are taken to be the
// unbroken run of used records from 80 down, the stations the used records
// below it.
enum class RecordRole { kEmpty, kStation, kSign, kProgressive, kTrainData, kScenario, kTrain, kOther };
std::array<RecordRole, kRecordCount> record_roles(const DecodedRecords& records, const DecodedTrack* track);

// The record of `slot` in words, by its role; UTF-8.
std::string record_words(const DecodedRecords& records, int slot, RecordRole role);

// The clock a record holds as hh:mm:ss: a station's time, the train's
// starting clock; nothing for the other roles.
std::optional<std::string> record_clock(const Record& record, RecordRole role);

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
