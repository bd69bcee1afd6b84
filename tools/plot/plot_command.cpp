#include "tools/plot/plot_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "common/exit_status.h"
#include "tools/load_scenario.h"
#include "tools/name_check.h"
#include "tools/plot/plot.h"

namespace scenario::tools {

int run_plot(const PlotArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario plot", err)) return tool_exit::kIoOrUsage;
  // The compiled files and the descriptions they come from share the folder.
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const auto loaded = load_scenario(names, names, "scenario plot", err);
  if (!loaded) return tool_exit::kIoOrUsage;

  PlotInput input;
  input.geometry = loaded->geometry ? &*loaded->geometry : nullptr;
  input.records = &loaded->records;
  input.track = &loaded->track;
  input.title = o.nome + " - treno " + o.treno;
  input.no_plan = loaded->no_plan;
  for (const StaleFile& s : loaded->stale) input.warnings.push_back(s.file.filename().string() + " " + s.reason);
  const std::filesystem::path target =
      o.output.empty() ? o.dir / (o.nome + "_" + o.treno + ".svg") : o.output;
  if (const auto e = replace_file(target, plot_svg(input))) {
    err << "scenario plot: " << e->file.string() << ": " << e->reason << "\n";
    return tool_exit::kIoOrUsage;
  }
  out << "scritto " << target.string() << "\n";
  return tool_exit::kOk;
}

Command add_plot_command(CLI::App& program) {
  auto args = std::make_shared<PlotArgs>();
  CLI::App* command =
      program.add_subcommand("plot", "Disegna lo scenario compilato NOME TRENO in una pagina SVG: pianta e profilo");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella dei file compilati (predefinita: .)");
  command->add_option("-o,--output", args->output, "file SVG da scrivere (predefinito: DIR/NOME_TRENO.svg)");
  return {command, [args](std::ostream& out, std::ostream& err) { return run_plot(*args, out, err); }};
}

}  // namespace scenario::tools
