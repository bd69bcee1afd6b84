// `scenario compile`: the three compiled files of a pair of descriptions,
// written only when the check finds no error (or when forced).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "compiler/output/check.h"
#include "tools/command.h"

namespace scenario::tools {

struct CompileArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path out;  // default: dir
  bool no_geometry = false;
  bool force = false;  // write the files even when the compilation records an error, as the builder does
  CheckPolicy policy;
};

int run_compile(const CompileArgs& options, std::ostream& out, std::ostream& err);

Command add_compile_command(CLI::App& program);

}  // namespace scenario::tools
