// scenario: tools for scenario authors. See `scenario --help`.
#include <CLI/CLI.hpp>

#include <iostream>

#include "common/exit_status.h"
#include "tools/commands.h"
#include "tools/new_command.h"

int main(int argc, char** argv) {
  CLI::App app{"Tools for scenario authors: compile description files, inspect compiled files, draw and view the route."};
  app.require_subcommand(0, 1);
  const std::string version = std::string("scenario ") + SCENARIO_VERSION;
  app.set_version_flag("--version", version);

  scenario::tools::CompileArgs compile;
  CLI::App* compile_cmd = app.add_subcommand(
      "compile", "Compile NOME_linea.txt and NOME_TRENO-.txt into the three compiled files");
  compile_cmd->add_option("NOME", compile.nome, "scenario name")->required();
  compile_cmd->add_option("TRENO", compile.treno, "train number")->required();
  compile_cmd->add_option("--dir", compile.dir, "folder of the descriptions (default: .)");
  compile_cmd->add_option("--out", compile.out, "folder for the compiled files (default: --dir)");
  compile_cmd->add_flag("--no-geometry", compile.no_geometry, "do not build or write NOME_linea.dat");
  compile_cmd->add_flag("--force", compile.force,
                        "scrive i file compilati anche quando la compilazione registra un errore, come il costruttore");

  scenario::tools::CheckArgs check;
  CLI::App* check_cmd = app.add_subcommand(
      "check", "Controlla NOME_linea.txt e NOME_TRENO-.txt: ogni errore e ogni lettura ambigua, senza scrivere nulla");
  check_cmd->add_option("NOME", check.nome, "nome dello scenario")->required();
  check_cmd->add_option("TRENO", check.treno, "numero del treno")->required();
  check_cmd->add_option("--dir", check.dir, "cartella delle descrizioni (predefinita: .)");
  check_cmd->add_flag("--json", check.json, "un documento JSON invece del testo");
  check_cmd->add_flag("--werror", check.werror, "anche gli avvisi fanno fallire il controllo");

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
      "plot", "Draw the compiled scenario NOME TRENO as an SVG page: plan view and profile");
  plot_cmd->add_option("NOME", plot.nome, "scenario name")->required();
  plot_cmd->add_option("TRENO", plot.treno, "train number")->required();
  plot_cmd->add_option("--dir", plot.dir, "folder of the compiled files (default: .)");
  plot_cmd->add_option("-o,--output", plot.output, "SVG file to write (default: DIR/NOME_TRENO.svg)");

  scenario::tools::NewOptions start;
  CLI::App* new_cmd = app.add_subcommand(
      "new", "Scrive una coppia di descrizioni di partenza, NOME_linea.txt e NOME_TRENO-.txt, "
             "che si compila senza errori; non sostituisce mai un file esistente");
  new_cmd->add_option("NOME", start.nome, "nome dello scenario")->required();
  new_cmd->add_option("TRENO", start.treno, "numero del treno")->required();
  new_cmd->add_option("--dir", start.dir, "cartella delle descrizioni, creata se manca (predefinita: .)");
  scenario::tools::ViewArgs view;
  CLI::App* view_cmd = app.add_subcommand(
      "view", "Scrive una pagina HTML interattiva del percorso NOME TRENO: pianta, profilo, ricerca");
  view_cmd->add_option("NOME", view.nome, "nome dello scenario")->required();
  view_cmd->add_option("TRENO", view.treno, "numero del treno")->required();
  view_cmd->add_option("--dir", view.dir, "cartella delle descrizioni (predefinita: .)");
  view_cmd->add_option("--out", view.out, "cartella dei file compilati (predefinita: --dir)");
  view_cmd->add_option("-o,--output", view.output, "pagina da scrivere (predefinita: OUT/NOME_TRENO.html)");
  for (CLI::App* command : app.get_subcommands({})) command->set_version_flag("--version", version);

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
