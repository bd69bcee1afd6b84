// `scenario sheets`: the driver's train card and slowdown order of an
// author's route, computed from its descriptions (compiled in memory) and
// the running-time estimate.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "tools/command.h"

namespace scenario::tools {

struct SheetsArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path out;  // default: dir
  // The card's boxes the descriptions do not fill; UTF-8 as typed.
  std::string speed_category;
  std::string classification;
  std::string braked_mass;
};

// Writes OUT/NOME_TRENO_scheda_treno.txt and OUT/NOME_TRENO_rallentamenti.txt,
// creating OUT when it is missing. A pair whose check finds an error writes
// nothing (exit status 2).
int run_sheets(const SheetsArgs& options, std::ostream& out, std::ostream& err);

Command add_sheets_command(CLI::App& program);

}  // namespace scenario::tools
