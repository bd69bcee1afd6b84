#include <system_error>

#include "common/exit_status.h"
#include "compiler/output/compile.h"
#include "compiler/output/errore.h"
#include "tools/commands.h"
#include "tools/error_report.h"
#include "tools/name_check.h"

namespace scenario::tools {
namespace {

void print_summary(const Stato& s, const CompileOutcome& outcome, std::ostream& out) {
  const Modello& m = s.modello;
  out << "percorso: " << m.record[kTrainDataSlot].fine_zona << " m, " << m.celle.size() << " celle\n"
      << "curve: " << s.righe_lette.curve << ", punti di pendenza: " << s.righe_lette.pendenze
      << ", cartelli: " << kFirstSignSlot - m.slot_cartello << "\n"
      << "stazioni: " << s.righe_lette.stazioni << ", segnali: " << count_objects(m, kSignal)
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

  Stato s;
  s.nome = o.nome;
  s.treno = o.treno;
  scenario::CompileOptions options;
  options.scrivi_linea = !o.no_geometry;
  const CompileOutcome outcome = memorizza_percorso(s, in, file_names(out_dir, o.nome, o.treno), options);

  if (outcome.io_error) {
    err << "scenario compile: " << outcome.io_error->file.string() << ": " << outcome.io_error->reason << "\n";
    return tool_exit::kIoOrUsage;
  }
  // In the order raised: the data errors, then the header fault that
  // refused the model after them.
  for (const std::string& line : error_report(s, in)) err << line << "\n";
  if (const int32_t fatal = fatal_error(s)) {
    err << testo_errore(fatal) << "\n";
    if (const auto fault = s.errori.header_fault()) {
      err << "errore " << number(*fault) << ": " << error_meaning(number(*fault)) << "\n";
    }
    err << "nessun file compilato scritto\n";
    return tool_exit::kData;
  }
  print_summary(s, outcome, out);
  return s.codice_errore() != 0 ? tool_exit::kData : tool_exit::kOk;
}

}  // namespace scenario::tools
