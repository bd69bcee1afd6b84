// The train card: the fixed-width sheet that the driver reads beside the
// simulator, listing from departure to arrival the speed limits, kilometre
// points, stations, timetable and recovery margins of train 7395. Nothing
// reads it back. See docs/formats.md, "Train card".
//
// The text is testdata/builtin/Montebrisca_Lurna_7395_scheda_treno.txt,
// built into the program byte for byte (writers/embed_texts.cmake). Its
// kilometre points restart from zero at the cippo, 1500 m along the route;
// MONTEBRISCA lies on the count of the line it belongs to (km 90.100). The 60
// and 30 km/h limits through SAN CIPRIANO, TORRE BIANCA, MEZZANA and CORTE
// VALSIO are given by the signals, as the notes tell the driver, so the card
// lists only the limit that holds past them. Its table is laid out as
// sheet_layout.h declares.
#pragma once

#include <optional>
#include <string_view>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The card's bytes: 52 lines, each ended by CR LF.
std::string_view train_card_text();

// Writes the card to `files.scheda_txt`, replacing any earlier file.
std::optional<IoError> write_train_card(const FileNames& files);

}  // namespace scenario
