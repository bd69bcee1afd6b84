// `scenario view`: the interactive page of a compiled route, with what
// `scenario check` reports on its descriptions.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "tools/command.h"

namespace scenario::tools {

struct ViewArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";  // the descriptions
  std::filesystem::path out;        // the compiled files; default: dir
  std::filesystem::path output;     // default: OUT/NOME_TRENO.html
};

int run_view(const ViewArgs& options, std::ostream& out, std::ostream& err);

// Writes the page with the diagnostics given by the caller: the command passes
// what `scenario check` reports, a test may pass its own. `diagnostics` is
// absent when the descriptions are not at hand (items as in view_data.h).
int write_view_page(const ViewArgs& options, const std::optional<nlohmann::ordered_json>& diagnostics,
                    std::ostream& out, std::ostream& err);

Command add_view_command(CLI::App& program);

}  // namespace scenario::tools
