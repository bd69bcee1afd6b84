// A pair of descriptions checked and compiled in memory, for the commands
// that print or draw from a route without writing its compiled files.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "compiler/output/check.h"
#include "compiler/text/descriptions.h"
#include "readback/decode.h"

namespace scenario::tools {

struct RouteInMemory {
  DecodedRecords records;
  DecodedTrack track;
};

// The compiled records and track of the pair. When the check finds an error,
// its diagnostics and summary go to `err` and there is no route.
std::optional<RouteInMemory> route_in_memory(const std::string& nome, const std::string& treno,
                                             const DescriptionFiles& files, std::ostream& err);

}  // namespace scenario::tools
