// scenario: tools for scenario authors. See `scenario --help`.
#include <CLI/CLI.hpp>

#include <iostream>

#include "tools/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Tools for scenario authors: compile description files, inspect compiled files."};
  app.require_subcommand(1);
  app.set_version_flag("--version", "scenario 0.1.0");

  scenario::tools::InspectOptions inspect;
  CLI::App* inspect_cmd =
      app.add_subcommand("inspect", "Decode compiled files (.dat, .sim, _linea.dat) into text or JSON");
  inspect_cmd->add_option("FILE", inspect.files, "compiled files")->required();
  inspect_cmd->add_flag("--json", inspect.json, "one JSON document instead of text");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Usage faults exit 1 (CLI11's own code for --help and --version is 0).
    const int code = app.exit(e);
    return code == 0 ? 0 : scenario::tools::kExitIo;
  }

  if (*inspect_cmd) return scenario::tools::run_inspect(inspect, std::cout, std::cerr);
  return scenario::tools::kExitIo;
}
