#include "tools/check/check_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "common/exit_status.h"
#include "common/file_names.h"
#include "compiler/output/check.h"
#include "tools/diagnostics_output.h"
#include "tools/json_text.h"
#include "tools/name_check.h"

namespace scenario::tools {

int run_check(const CheckArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario check", err)) return tool_exit::kIoOrUsage;
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const DescriptionFiles files{names.linea_txt, names.treno_txt};
  CheckResult check = check_texts(o.nome, o.treno, load_description(files.linea), load_description(files.treno));
  apply_policy(check, o.policy);
  if (o.json) {
    out << json_text(check_json(check, files), 2) << "\n";
  } else {
    print_diagnostics(check, files, out);
    out << check_summary(check) << "\n";
  }
  return check.count(Severity::kError) > 0 ? tool_exit::kData : tool_exit::kOk;
}

Command add_check_command(CLI::App& program) {
  auto args = std::make_shared<CheckArgs>();
  CLI::App* command = program.add_subcommand(
      "check", "Controlla NOME_linea.txt e NOME_TRENO-.txt: ogni errore e ogni lettura ambigua, senza scrivere nulla");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella delle descrizioni (predefinita: .)");
  command->add_flag("--json", args->json, "un documento JSON invece del testo");
  add_policy_options(command, args->policy);
  return {command, [args](std::ostream& out, std::ostream& err) { return run_check(*args, out, err); }};
}

}  // namespace scenario::tools
