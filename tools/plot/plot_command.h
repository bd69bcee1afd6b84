// `scenario plot`: a compiled scenario drawn as one SVG page.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "tools/command.h"

namespace scenario::tools {

struct PlotArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
  std::filesystem::path output;  // default: DIR/NOME_TRENO.svg
};

int run_plot(const PlotArgs& options, std::ostream& out, std::ostream& err);

Command add_plot_command(CLI::App& program);

}  // namespace scenario::tools
