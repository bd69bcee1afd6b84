// `scenario inspect`: compiled files decoded in words or as JSON, and the
// cells around a place on the line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/command.h"

namespace scenario::tools {

struct InspectArgs {
  std::vector<std::string> files;
  bool json = false;
  std::string at;    // a line kilometre: list the cells around every place it occurs
  std::string at_m;  // a route metre: list the cells around it
};

int run_inspect(const InspectArgs& options, std::ostream& out, std::ostream& err);

Command add_inspect_command(CLI::App& program);

}  // namespace scenario::tools
