// view_with_diagnostics: writes the page of `scenario view` with the
// diagnostics read from a JSON file, for the browser tests until `scenario
// check` gives them.
//   view_with_diagnostics NOME TRENO DIR DIAGNOSTICS.json OUTPUT.html
#include <fstream>
#include <iostream>

#include "common/exit_status.h"
#include "tools/view/view_command.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::cerr << "uso: view_with_diagnostics NOME TRENO DIR DIAGNOSTICA.json PAGINA.html\n";
    return scenario::tool_exit::kIoOrUsage;
  }
  std::ifstream in(argv[4]);
  const auto diagnostics = nlohmann::ordered_json::parse(in, nullptr, false);
  if (!diagnostics.is_array()) {
    std::cerr << "view_with_diagnostics: " << argv[4] << ": non è un array JSON\n";
    return scenario::tool_exit::kIoOrUsage;
  }
  scenario::tools::ViewArgs options;
  options.nome = argv[1];
  options.treno = argv[2];
  options.dir = argv[3];
  options.output = argv[5];
  return scenario::tools::write_view_page(options, diagnostics, std::cout, std::cerr);
}
