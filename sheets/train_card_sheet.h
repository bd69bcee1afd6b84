// The train card of an author's route: the sheet the built-in scenario ships
// as NOME_TRENO_scheda_treno.txt (docs/formats.md, "Train card"), its rows
// computed from the compiled route and the station times. Its table is laid
// out as writers/sheet_layout.h declares, and grows with the route.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sheets/sheet_route.h"
#include "sheets/sheet_text.h"
#include "sheets/station_times.h"

namespace scenario {

// How far from a station's zone a change of limit is taken as given at its
// protection signal (before zone_from) or past its exit points (after
// zone_to), in metres.
inline constexpr int64_t kSignalReach = 1000;

enum class CardRowKind : uint8_t {
  kStation,     // a station of the train description, with its time
  kCippo,       // where the line's kilometre count starts again
  kProtection,  // a change of limit at a station's protection signal
  kKilometre,   // a change of limit in open line
  kExit,        // a change of limit past a station's exit points
};

struct CardRow {
  CardRowKind kind = CardRowKind::kStation;
  int64_t at = 0;                     // route metres
  std::string name;                   // the station's, on its own row and its signal rows; Windows-1252
  std::optional<int64_t> line_metre;  // on station, cippo and kilometre rows, where the line has a count
  std::optional<int> limit;           // km/h from this row on, where the card shows one
  std::string time;                   // "23.50", "00.20 - 00.22", or empty
  std::string recovery;               // minutes to spare, "0.5", "1", or empty
};

// The card's rows in route order. `times` holds a time for any station (by
// its slot) that has one.
//
// The first station shows the limit it starts under. Every change of the
// limit after it, up to the last station's zone, has its row: a change
// within a station's zone [zone_from, zone_to] goes on the station's row
// (which shows the limit past the zone, when it differs from the one before
// it); one at most kSignalReach before a zone is at the station's protection
// signal, one at most kSignalReach past it after the exit points (the nearer
// station's when both; the next one's at a tie); of several such changes the
// one nearest the zone is the signal's and the others are open line, as is
// every other change. A cippo row, with the limit in force there, stands
// where a progressive starts the count again after the first station; a
// change at the same metre has no row of its own.
std::vector<CardRow> card_rows(const SheetRoute& route, const std::vector<SheetTime>& times);

// What the card's boxes say that the route does not: Windows-1252, each
// blank when empty.
struct CardLabels {
  std::string speed_category;  // "V160 B"
  std::string classification;  // "EXP"
  std::string braked_mass;     // "700T"
};

// The card's bytes, Windows-1252 with CR LF line ends.
SheetText train_card(const SheetRoute& route, const std::vector<SheetTime>& times, const CardLabels& labels);

}  // namespace scenario
