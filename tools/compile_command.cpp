#include <system_error>

#include "compiler/output/codes.h"
#include "compiler/output/errore.h"
#include "compiler/output/memorizza_percorso.h"
#include "tools/commands.h"
#include "tools/error_report.h"
#include "tools/error_table.h"
#include "tools/name_check.h"

namespace scenario::tools {
namespace {

void print_summary(const Stato& s, const FileNames& names, bool wrote_geometry, std::ostream& out) {
  const Modello& m = s.modello;
  out << "percorso: " << m.record[84].fine_zona << " m, " << m.celle.size() << " celle\n"
      << "curve: " << s.righe_lette.curve << ", punti di pendenza: " << s.righe_lette.pendenze
      << ", cartelli: " << 80 - m.slot_cartello << "\n"
      << "stazioni: " << s.righe_lette.stazioni << ", segnali: " << count_objects(m, kSignal)
      << ", rallentamenti: " << count_objects(m, kSlowdownStart) << "\n"
      << "codici: " << m.celle[1].valore2 << " (semplice), " << m.record[85].orario << " (pesato)\n";
  for (const auto* file : {&names.linea_dat, &names.sim, &names.dat}) {
    if (file == &names.linea_dat && !wrote_geometry) continue;  // an older one is not ours
    std::error_code ec;
    const auto size = std::filesystem::file_size(*file, ec);
    if (!ec) out << "scritto " << file->string() << " (" << size << " byte)\n";
  }
}

}  // namespace

int run_compile(const CompileOptions& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario compile", err)) return kExitIo;
  // The author's descriptions are read where they are and never deleted.
  const FileNames sources = file_names(o.dir, o.nome, o.treno);
  const DescriptionFiles in{sources.linea_txt, sources.treno_txt, false};
  const std::filesystem::path out_dir = o.out.empty() ? o.dir : o.out;
  std::error_code ec;
  std::filesystem::create_directories(out_dir, ec);
  if (ec) {
    err << "scenario compile: " << out_dir.string() << ": " << ec.message() << "\n";
    return kExitIo;
  }
  const FileNames targets = file_names(out_dir, o.nome, o.treno);

  Stato s;
  s.nome = o.nome;
  s.treno = o.treno;
  const CompileOutcome outcome = memorizza_percorso(s, o.no_geometry ? 0 : 1, in, targets);

  if (outcome.io_error) {
    err << "scenario compile: " << outcome.io_error->file.string() << ": " << outcome.io_error->reason
        << "\n";
    return kExitIo;
  }
  if (outcome.fatal) {
    // In the order raised: a data error recorded while reading, then the
    // header check that refused the model.
    if (s.codice_errore != 0 && s.codice_errore != outcome.fatal) err << error_report(s, in) << "\n";
    err << testo_errore(outcome.fatal) << "\n";
    if (s.codice_errore == outcome.fatal) {
      err << error_report(s, in) << "\n";
    } else {
      err << "errore " << outcome.fatal << ": " << error_meaning(outcome.fatal) << "\n";
    }
    err << "nessun file compilato scritto\n";
    return kExitData;
  }
  print_summary(s, targets, !o.no_geometry, out);
  if (s.codice_errore != 0) {
    err << error_report(s, in) << "\n";
    return kExitData;
  }
  return kExitOk;
}

}  // namespace scenario::tools
