// The scenario's line description: route length, kilometre counts, curves,
// gradients, the mountain stretch, speed indicator boards and sign boards of
// the line MONTEBRISCA - LURNA, 103 km. Row layouts in docs/formats.md.
//
// The text is testdata/builtin/Montebrisca_Lurna_linea.txt, built into the
// program byte for byte (writers/embed_texts.cmake). What its rows hold:
// - the line's own kilometre count starts again from 0 at 1500 m;
// - curves: s turns left, d right; the digit is the class, 2 the widest and
//   5 the tightest (500 m radius). Stations lie on straight track, and the
//   class 5 curves only where the train runs at 110 km/h or less or an
//   indicator board asks for less;
// - gradients in per mille, each in force from its position on: the climb to
//   PIAN DEL TASSO runs at 9 per mille through the mountain stretch; the
//   stations lie on level track or nearly so;
// - the indicator boards give ranks A, B and C of the left-hand board; the
//   right-hand board is empty;
// - a sign board's groups are padded to one width; a level-crossing board
//   (PL guarded, PLA automatic) gives the crossing's kilometre on the line's
//   count, a little past the board.
#pragma once

#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The line description's bytes: 157 lines, each ended by CR LF.
std::string_view line_description_text();

// Writes line_description_text() to `names.linea_txt`, replacing any earlier
// file.
std::optional<IoError> write_line_description(const FileNames& names);

}  // namespace scenario
