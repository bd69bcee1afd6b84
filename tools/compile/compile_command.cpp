#include "tools/compile/compile_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include <system_error>

#include "common/exit_status.h"
#include "compiler/output/check.h"
#include "compiler/output/compile.h"
#include "tools/diagnostics_output.h"
#include "tools/name_check.h"

namespace scenario::tools {
namespace {

void print_summary(const CompilationState& s, const CompileOutcome& outcome, std::ostream& out) {
  const TrackModel& m = s.model;
  out << "percorso: " << m.record[kTrainDataSlot].fine_zona << " m, " << m.celle.size() << " celle\n"
      << "curve: " << s.rows_read.curve << ", punti di pendenza: " << s.rows_read.gradients
      << ", cartelli: " << kFirstSignSlot - m.next_sign_slot << "\n"
      << "stazioni: " << s.rows_read.stations << ", segnali: " << count_objects(m, kSignal)
      << ", rallentamenti: " << count_objects(m, kSlowdownStart) << "\n"
      << "codici: " << m.celle[1].valore2 << " (semplice), " << m.record[kScenarioSlot].orario << " (pesato)\n";
  for (const auto& file : outcome.written) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec) out << "scritto " << file.string() << " (" << size << " byte)\n";
  }
}

}  // namespace

int run_compile(const CompileArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario compile", err)) return tool_exit::kIoOrUsage;
  // The author's descriptions are read where they are and never deleted.
  const FileNames sources = file_names(o.dir, o.nome, o.treno);
  const DescriptionFiles in{sources.linea_txt, sources.treno_txt};
  const std::filesystem::path out_dir = o.out.empty() ? o.dir : o.out;
  std::error_code ec;
  std::filesystem::create_directories(out_dir, ec);
  if (ec) {
    err << "scenario compile: " << out_dir.string() << ": " << ec.message() << "\n";
    return tool_exit::kIoOrUsage;
  }

  // What `scenario check` says, then the compilation proper, which writes
  // only a scenario without errors unless forced.
  CheckResult check =
      check_texts(o.nome, o.treno, load_description(in.linea), load_description(in.treno), !o.no_geometry);
  apply_policy(check, o.policy);
  print_diagnostics(check, in, err);
  if (check.fatal != 0 || (check.count(Severity::kError) > 0 && !o.force)) {
    err << check_summary(check) << "\n";
    err << (check.fatal != 0 ? "nessun file compilato scritto"
                             : "nessun file compilato scritto: restano quelli di prima (--force li scrive come "
                               "il costruttore)")
        << "\n";
    return tool_exit::kData;
  }

  CompilationState s;
  s.nome = o.nome;
  s.treno = o.treno;
  CompileOptions options;
  options.build_geometry = !o.no_geometry;
  const CompileOutcome outcome = compile_scenario(s, in, file_names(out_dir, o.nome, o.treno), options);
  if (outcome.io_error) {
    err << "scenario compile: " << outcome.io_error->file.string() << ": " << outcome.io_error->reason << "\n";
    return tool_exit::kIoOrUsage;
  }
  print_summary(s, outcome, out);
  // Forced, the files are written and the errors still fail the run.
  return s.codice_errore() != 0 || check.count(Severity::kError) > 0 ? tool_exit::kData : tool_exit::kOk;
}

Command add_compile_command(CLI::App& program) {
  auto args = std::make_shared<CompileArgs>();
  CLI::App* command =
      program.add_subcommand("compile", "Compila NOME_linea.txt e NOME_TRENO-.txt nei tre file compilati");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella delle descrizioni (predefinita: .)");
  command->add_option("--out", args->out, "cartella dei file compilati (predefinita: --dir)");
  command->add_flag("--no-geometry", args->no_geometry, "non calcola né scrive NOME_linea.dat");
  command->add_flag("--force", args->force,
                    "scrive i file compilati anche quando la compilazione registra un errore, come il costruttore");
  add_policy_options(command, args->policy);
  return {command, [args](std::ostream& out, std::ostream& err) { return run_compile(*args, out, err); }};
}

}  // namespace scenario::tools
