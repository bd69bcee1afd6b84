// The eight files of a run, all in one folder, named from the scenario name
// (`nome`) and the train number (`treno`). See docs/formats.md.
#pragma once

#include <filesystem>
#include <string>

namespace scenario {

struct FileNames {
  std::filesystem::path linea_txt;          // line description (read, then deleted)
  std::filesystem::path treno_txt;          // train description (read, then deleted)
  std::filesystem::path note_txt;           // line notes sheet
  std::filesystem::path rallentamenti_txt;  // slowdown order sheet
  std::filesystem::path scheda_txt;         // train card sheet
  std::filesystem::path linea_dat;          // compiled line geometry
  std::filesystem::path sim;                // compiled scenario records
  std::filesystem::path dat;                // compiled track
};

FileNames file_names(const std::filesystem::path& folder, const std::string& nome,
                     const std::string& treno);

}  // namespace scenario
