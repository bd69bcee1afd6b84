// `scenario timetable`: the earliest run of the train over its route, station
// by station, beside the times the description gives.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "timetable/running_time.h"
#include "tools/command.h"

namespace scenario::tools {

struct TimetableArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  bool json = false;
  TrainParameters train;
};

int run_timetable(const TimetableArgs& options, std::ostream& out, std::ostream& err);

Command add_timetable_command(CLI::App& program);

}  // namespace scenario::tools
