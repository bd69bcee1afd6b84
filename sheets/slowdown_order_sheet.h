// The slowdown order of an author's route: the form the built-in scenario
// ships as NOME_TRENO_rallentamenti.txt (docs/formats.md, "Slowdown order"),
// with one row for each slowdown of the compiled route. Its table is laid out
// as writers/sheet_layout.h declares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sheets/sheet_route.h"
#include "sheets/sheet_text.h"

namespace scenario {

// The form's body has at least this many rows, used or not: an empty one,
// then the slowdowns, then empty ones.
inline constexpr size_t kOrderBodyRows = 26;

struct OrderRow {
  // Where it is: the station whose zone it touches, or the two stations
  // around it in open line (one before the first station or after the last);
  // of a slowdown that touches several zones, the first and the last.
  std::vector<std::string> around;
  std::vector<std::string> touched;  // the stations whose zones [zone_from, zone_to] it touches: prescription B
  std::optional<int64_t> post;       // the whole kilometre post after which it begins; none before the line's count
  int speed = 0;                     // km/h
  int64_t length = 0;                // metres, from its start to its end object
};

std::vector<OrderRow> order_rows(const SheetRoute& route);

// The order's bytes, Windows-1252 with CR LF line ends.
SheetText slowdown_order(const SheetRoute& route);

}  // namespace scenario
