// `scenario check`: every fault of a pair of descriptions at its row, without
// writing anything.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "compiler/output/check.h"
#include "tools/command.h"

namespace scenario::tools {

struct CheckArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  bool json = false;
  CheckPolicy policy;
};

int run_check(const CheckArgs& options, std::ostream& out, std::ostream& err);

Command add_check_command(CLI::App& program);

}  // namespace scenario::tools
