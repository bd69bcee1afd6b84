// scenario: tools for scenario authors. See `scenario --help`.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "common/exit_status.h"
#include "tools/commands.h"
#include "tools/new/new_command.h"

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

// NOME, TRENO and the folder they are found in, as every command on a
// scenario takes them.
void add_scenario(CLI::App* command, std::string& nome, std::string& treno, std::filesystem::path& dir,
                  const char* dir_help) {
  command->add_option("NOME", nome, "nome dello scenario")->required();
  command->add_option("TRENO", treno, "numero del treno")->required();
  command->add_option("--dir", dir, dir_help);
}

// --ignore and --werror, as `check` and `compile` take them.
void add_policy(CLI::App* command, scenario::CheckPolicy& policy) {
  command
      ->add_option("--ignore", policy.ignore,
                   "non mostra gli avvisi di questo nome (il nome è tra [] in fondo all'avviso); ripetibile")
      ->check(CLI::IsMember(scenario::warning_names()))
      ->option_text("NOME");
  command->add_flag("--werror", policy.werror, "gli avvisi contano come errori");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Strumenti per chi scrive scenari: controlla e compila le descrizioni, decodifica i file "
               "compilati, disegna il percorso e ne scrive la pagina interattiva."};
  app.formatter(italian_help());
  app.option_defaults()->group("Opzioni");
  app.group("Comandi");
  app.set_help_flag("-h,--help", kHelp);
  app.require_subcommand(0, 1);
  const std::string version = std::string("scenario ") + SCENARIO_VERSION;
  app.set_version_flag("--version", version, kVersion);

  scenario::tools::CompileArgs compile;
  CLI::App* compile_cmd = app.add_subcommand(
      "compile", "Compila NOME_linea.txt e NOME_TRENO-.txt nei tre file compilati");
  add_scenario(compile_cmd, compile.nome, compile.treno, compile.dir, "cartella delle descrizioni (predefinita: .)");
  compile_cmd->add_option("--out", compile.out, "cartella dei file compilati (predefinita: --dir)");
  compile_cmd->add_flag("--no-geometry", compile.no_geometry, "non calcola né scrive NOME_linea.dat");
  compile_cmd->add_flag("--force", compile.force,
                        "scrive i file compilati anche quando la compilazione registra un errore, come il costruttore");
  add_policy(compile_cmd, compile.policy);

  scenario::tools::CheckArgs check;
  CLI::App* check_cmd = app.add_subcommand(
      "check", "Controlla NOME_linea.txt e NOME_TRENO-.txt: ogni errore e ogni lettura ambigua, senza scrivere nulla");
  add_scenario(check_cmd, check.nome, check.treno, check.dir, "cartella delle descrizioni (predefinita: .)");
  check_cmd->add_flag("--json", check.json, "un documento JSON invece del testo");
  add_policy(check_cmd, check.policy);

  scenario::tools::InspectArgs inspect;
  CLI::App* inspect_cmd = app.add_subcommand(
      "inspect", "Decodifica i file compilati (.dat, .sim, _linea.dat) in parole o in JSON; per il tracciato "
                 "legge il file dei record accanto (NOME_TRENO.sim)");
  inspect_cmd->add_option("FILE", inspect.files, "file compilati")->required();
  inspect_cmd->add_flag("--json", inspect.json, "un documento JSON invece del testo");
  CLI::Option* at = inspect_cmd->add_option(
      "--at", inspect.at, "km di linea (90+300 o 90.3): le celle in ogni punto in cui la linea vi passa, e "
                          "gli oggetti più vicini prima e dopo");
  inspect_cmd
      ->add_option("--at-m", inspect.at_m, "metri dall'inizio: la cella lì e gli oggetti più vicini prima e dopo")
      ->excludes(at);

  scenario::tools::PlotArgs plot;
  CLI::App* plot_cmd = app.add_subcommand(
      "plot", "Disegna lo scenario compilato NOME TRENO in una pagina SVG: pianta e profilo");
  add_scenario(plot_cmd, plot.nome, plot.treno, plot.dir, "cartella dei file compilati (predefinita: .)");
  plot_cmd->add_option("-o,--output", plot.output, "file SVG da scrivere (predefinito: DIR/NOME_TRENO.svg)");

  scenario::tools::NewArgs start;
  CLI::App* new_cmd = app.add_subcommand(
      "new", "Scrive una coppia di descrizioni di partenza, NOME_linea.txt e NOME_TRENO-.txt, "
             "che si compila senza errori; non sostituisce mai un file esistente");
  add_scenario(new_cmd, start.nome, start.treno, start.dir, "cartella delle descrizioni, creata se manca (predefinita: .)");

  scenario::tools::ViewArgs view;
  CLI::App* view_cmd = app.add_subcommand(
      "view", "Scrive una pagina HTML interattiva del percorso NOME TRENO: pianta, profilo, ricerca");
  add_scenario(view_cmd, view.nome, view.treno, view.dir, "cartella delle descrizioni (predefinita: .)");
  view_cmd->add_option("--out", view.out, "cartella dei file compilati (predefinita: --dir)");
  view_cmd->add_option("-o,--output", view.output, "pagina da scrivere (predefinita: OUT/NOME_TRENO.html)");
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

  if (*compile_cmd) return scenario::tools::run_compile(compile, std::cout, std::cerr);
  if (*check_cmd) return scenario::tools::run_check(check, std::cout, std::cerr);
  if (*inspect_cmd) return scenario::tools::run_inspect(inspect, std::cout, std::cerr);
  if (*plot_cmd) return scenario::tools::run_plot(plot, std::cout, std::cerr);
  if (*view_cmd) return scenario::tools::run_view(view, std::cout, std::cerr);
  if (*new_cmd) return scenario::tools::run_new(start, std::cout, std::cerr);
  // No subcommand: say which there are.
  std::cerr << app.help();
  return scenario::tool_exit::kIoOrUsage;
}
