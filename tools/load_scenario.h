// Reads and decodes the compiled files of one scenario for `view` and `plot`,
// and checks that they belong together. A geometry made for another route is
// not kept, so that it is never drawn.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/file_names.h"
#include "readback/decode.h"
#include "tools/stale_files.h"

namespace scenario::tools {

struct LoadedScenario {
  DecodedRecords records;
  DecodedTrack track;
  std::optional<DecodedGeometry> geometry;  // only one that fits the other files
  std::string no_plan;                      // why there is no geometry, in Italian
  std::vector<StaleFile> stale;
};

// `compiled` names the compiled files, `descriptions` the descriptions they
// come from (which may be absent). Faults in reading are told on `err` after
// `command` and give nothing; stale files are told there as warnings.
std::optional<LoadedScenario> load_scenario(const FileNames& compiled, const FileNames& descriptions,
                                            const char* command, std::ostream& err);

}  // namespace scenario::tools
