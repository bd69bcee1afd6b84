// The scenario's train description: train 7395's general data, adhesion,
// speed limits, stations, the slowdown and the signals along the line of
// dati_linea. Row layouts in docs/formats.md.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario {

// The 90 lines of the train description, in file order, without line ends.
const std::vector<std::string_view>& righe_treno();

// Writes righe_treno() to names.treno_txt, replacing any earlier file.
std::optional<IoError> dati_treno(const FileNames& names);

}  // namespace scenario
