// scenario: tools for scenario authors. See `scenario --help`.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

#include "common/exit_status.h"
#include "tools/check/check_command.h"
#include "tools/compile/compile_command.h"
#include "tools/inspect/inspect_command.h"
#include "tools/new/new_command.h"
#include "tools/plot/plot_command.h"
#include "tools/sheets/sheets_command.h"
#include "tools/timetable/timetable_command.h"
#include "tools/view/view_command.h"

namespace {

constexpr const char* kHelp = "mostra questo aiuto ed esce";
constexpr const char* kVersion = "mostra la versione ed esce";

// CLI11's own words in the help, in Italian.
std::shared_ptr<CLI::Formatter> italian_help() {
  auto formatter = std::make_shared<CLI::Formatter>();
  for (const auto& [key, label] : {std::pair{"Usage", "Uso"}, std::pair{"OPTIONS", "OPZIONI"},
                                   std::pair{"SUBCOMMAND", "COMANDO"}, std::pair{"SUBCOMMANDS", "COMANDI"},
                                   std::pair{"Positionals", "Argomenti"}, std::pair{"REQUIRED", "OBBLIGATORIO"},
                                   std::pair{"TEXT", "TESTO"}, std::pair{"Excludes", "Esclude"},
                                   std::pair{"Needs", "Richiede"}})
    formatter->label(key, label);
  return formatter;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Strumenti per chi scrive scenari: controlla e compila le descrizioni, decodifica i file "
               "compilati, disegna il percorso, ne scrive la pagina interattiva e le schede del macchinista."};
  app.formatter(italian_help());
  app.option_defaults()->group("Opzioni");
  app.group("Comandi");
  app.set_help_flag("-h,--help", kHelp);
  app.require_subcommand(0, 1);
  const std::string version = std::string("scenario ") + SCENARIO_VERSION;
  app.set_version_flag("--version", version, kVersion);

  // In the order `--help` lists them.
  const std::vector<scenario::tools::Command> commands = {
      scenario::tools::add_compile_command(app), scenario::tools::add_check_command(app),
      scenario::tools::add_inspect_command(app), scenario::tools::add_plot_command(app),
      scenario::tools::add_new_command(app),     scenario::tools::add_view_command(app),
      scenario::tools::add_timetable_command(app), scenario::tools::add_sheets_command(app),
  };
  for (CLI::App* command : app.get_subcommands({})) {
    // A subcommand takes its help flag before the option defaults, so it is
    // made again to join the others' group.
    command->set_help_flag("-h,--help", kHelp);
    command->set_version_flag("--version", version, kVersion);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Usage faults exit 1 (CLI11's own code for --help and --version is 0).
    const int code = app.exit(e);
    return code == 0 ? 0 : scenario::tool_exit::kIoOrUsage;
  }

  for (const scenario::tools::Command& command : commands)
    if (*command.declared) return command.run(std::cout, std::cerr);
  // No subcommand: say which there are.
  std::cerr << app.help();
  return scenario::tool_exit::kIoOrUsage;
}
