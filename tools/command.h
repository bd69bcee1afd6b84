// The one shape of a `scenario` subcommand: its folder's header declares its
// arguments, `run_…` (which tests call with their own streams) and
// `add_…_command`, which declares the subcommand and its options on the
// program and returns it with the run that reads them.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "compiler/output/check.h"

namespace CLI {
class App;
}

namespace scenario::tools {

struct Command {
  CLI::App* declared = nullptr;                             // parsed when the user named it
  std::function<int(std::ostream&, std::ostream&)> run;  // out, err; the exit status
};

// NOME, TRENO and the folder they are found in, as every command on a
// scenario takes them.
void add_scenario_arguments(CLI::App* command, std::string& nome, std::string& treno, std::filesystem::path& dir,
                            const char* dir_help);

// --ignore and --werror, as `check` and `compile` take them.
void add_policy_options(CLI::App* command, CheckPolicy& policy);

}  // namespace scenario::tools
