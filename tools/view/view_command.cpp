#include "tools/view/view_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "common/file_names.h"
#include "common/exit_status.h"
#include "common/replace_file.h"
#include "compiler/output/check.h"
#include "tools/diagnostics_output.h"
#include "tools/load_scenario.h"
#include "tools/name_check.h"
#include "tools/view/view_data.h"
#include "tools/view/view_page.h"

namespace scenario::tools {
namespace {

constexpr const char* kCommand = "scenario view";

// What `scenario check` reports on the descriptions, for the page to list;
// no list at all without descriptions.
std::optional<nlohmann::ordered_json> check_diagnostics(const ViewArgs& o, const FileNames& descriptions) {
  if (!std::filesystem::exists(descriptions.linea_txt) && !std::filesystem::exists(descriptions.treno_txt))
    return std::nullopt;
  const DescriptionFiles files{descriptions.linea_txt, descriptions.treno_txt};
  const CheckResult check =
      check_texts(o.nome, o.treno, load_description(files.linea), load_description(files.treno));
  return diagnostics_json(check, files);
}

}  // namespace

int write_view_page(const ViewArgs& o, const std::optional<nlohmann::ordered_json>& diagnostics,
                    std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, kCommand, err)) return tool_exit::kIoOrUsage;
  const FileNames descriptions = file_names(o.dir, o.nome, o.treno);
  const std::filesystem::path compiled_dir = o.out.empty() ? o.dir : o.out;
  const FileNames compiled = file_names(compiled_dir, o.nome, o.treno);
  const auto loaded = load_scenario(compiled, descriptions, kCommand, err);
  if (!loaded) return tool_exit::kIoOrUsage;

  ViewInput input;
  input.records = &loaded->records;
  input.track = &loaded->track;
  input.geometry = loaded->geometry ? &*loaded->geometry : nullptr;
  input.no_plan = loaded->no_plan;
  input.title = o.nome + " - treno " + o.treno;
  input.stale = loaded->stale;
  input.diagnostics = diagnostics;
  const std::filesystem::path target =
      o.output.empty() ? compiled_dir / (o.nome + "_" + o.treno + ".html") : o.output;
  if (const auto e = replace_file(target, view_page(view_data(input)))) {
    err << kCommand << ": " << e->file.string() << ": " << e->reason << "\n";
    return tool_exit::kIoOrUsage;
  }
  out << "scritto " << target.string() << "\n";
  return tool_exit::kOk;
}

int run_view(const ViewArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, kCommand, err)) return tool_exit::kIoOrUsage;
  return write_view_page(o, check_diagnostics(o, file_names(o.dir, o.nome, o.treno)), out, err);
}

Command add_view_command(CLI::App& program) {
  auto args = std::make_shared<ViewArgs>();
  CLI::App* command = program.add_subcommand(
      "view", "Scrive una pagina HTML interattiva del percorso NOME TRENO: pianta, profilo, ricerca");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella delle descrizioni (predefinita: .)");
  command->add_option("--out", args->out, "cartella dei file compilati (predefinita: --dir)");
  command->add_option("-o,--output", args->output, "pagina da scrivere (predefinita: OUT/NOME_TRENO.html)");
  return {command, [args](std::ostream& out, std::ostream& err) { return run_view(*args, out, err); }};
}

}  // namespace scenario::tools
