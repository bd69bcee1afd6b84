// The scenario's train description: train 7395's general data, adhesion,
// speed limits, stations, the slowdown and the signals along the line of
// line_description.h. Row layouts in docs/formats.md.
//
// The text is testdata/builtin/Montebrisca_Lurna_7395-.txt, built into the
// program byte for byte (writers/embed_texts.cmake). What its rows hold:
// - the starting clock 23:49:40, its three numbers separated by blanks only;
// - station categories: 2 and 4 the terminals; 12 staffed stations with
//   distant, protection and departure signals; 22 staffed halts with a
//   protection and a departure signal; 24 TORRE BIANCA, the passing point
//   worked from SAN CIPRIANO; 26, 27 and 28 unstaffed halts without signals,
//   which get no stop. Only the two terminals and the one intermediate stop,
//   VALDEMO, are timed;
// - the slowdown: 40 km/h over 200 m at the entry of CORTE VALSIO, with its
//   approach boards;
// - signals: s1 is 5 for a distant, 2 for a protection, 3 for a departure and
//   4 for a block or halt signal; ROCCHIANO and ERBALUNGA also signal the
//   wrong-direction track (the right-hand side).
#pragma once

#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The train description's bytes: 90 lines, each ended by CR LF.
std::string_view train_description_text();

// Writes train_description_text() to `names.treno_txt`, replacing any earlier
// file.
std::optional<IoError> write_train_description(const FileNames& names);

}  // namespace scenario
