#include "compiler/output/check.h"

#include <algorithm>
#include <tuple>

#include "compiler/model/state.h"
#include "compiler/output/compile.h"

namespace scenario {
namespace {

std::string file_words(Description file) {
  return file == Description::kLine ? "della descrizione della linea" : "della descrizione del treno";
}

// "cella 32, occupata da: indicatore di velocità massima (riga 5 della
// descrizione della linea)"; for the walk, what stands in the cell.
std::string describe_cell(const Stato& s, int64_t cell, bool occupied) {
  const Modello& m = s.modello;
  std::string text = "cella " + std::to_string(cell);
  if (cell < 0 || cell > m.numero_celle || m.celle.empty()) {
    return text + ", fuori dal percorso (celle 0.." + std::to_string(m.numero_celle) + ")";
  }
  const Cella& c = m.celle[static_cast<size_t>(cell)];
  if (c.oggetto == kNothing) return text + ", libera";
  text += (occupied ? ", occupata da: " : ": ") + object_name(c.oggetto);
  const Place& origin = s.origini.cella[static_cast<size_t>(cell)];
  if (origin.line > 0) text += " (riga " + std::to_string(origin.line) + " " + file_words(origin.file) + ")";
  return text;
}

std::string error_message(const Stato& s, const RaisedError& e) {
  std::string text = "errore " + std::to_string(number(e.code));
  if (e.position) text += " a " + std::to_string(*e.position) + " m";
  text += ": ";
  text += error_meaning(number(e.code));
  if (!e.detail.empty()) text += ": " + e.detail;
  if (e.code == ErrorCode::kBeyondTrack) {
    text += "; l'ultima cella è la " + std::to_string(s.modello.numero_celle);
  } else if (e.cell) {
    text += "; " + describe_cell(s, *e.cell, e.stage != Stage::kRouteWalk);
  }
  return text;
}

Diagnostic from_error(const Stato& s, const RaisedError& e) {
  return {Severity::kError, e.place, number(e.code), e.position, e.cell, error_message(s, e), false};
}

bool same(const RaisedError& a, const RaisedError& b) {
  return a.code == b.code && a.place == b.place && a.position == b.position;
}

bool is_reading(const RaisedError& e) { return e.stage == Stage::kLineReading || e.stage == Stage::kTrainReading; }

// The error that ended a reading early, if one did: the first position
// beyond the track, or the error that stopped it at once.
const RaisedError* reading_stopper(const Stato& s, Stage stage, ReadingEnd end) {
  const RaisedError* found = nullptr;
  for (const RaisedError& e : s.errori.all()) {
    if (e.stage != stage || e.consequence) continue;
    if (end == ReadingEnd::kCompleted && e.code == ErrorCode::kBeyondTrack) return &e;
    if (end == ReadingEnd::kStopped || end == ReadingEnd::kReadingFailure) found = &e;
  }
  return found;
}

void note_reading_end(const Stato& s, Stage stage, const Reading& reading, const char* what,
                      std::vector<Diagnostic>& out) {
  const RaisedError* stopper = reading_stopper(s, stage, reading.end);
  if (stopper == nullptr || stopper->place.line == 0) return;
  std::string text = std::string("la lettura ") + what + " si ferma qui";
  text += stopper->code == ErrorCode::kBeyondTrack ? ", come alla fine del file: " : ": ";
  text += "le righe che seguono non entrano nel percorso compilato";
  if (stage == Stage::kLineReading && s.lettura_treno.end == ReadingEnd::kNotRead) {
    text += ", e la descrizione del treno non viene letta";
  }
  // The check itself reads on, so what it lists after this line needs saying.
  text += " (il controllo legge lo stesso quel che segue, per segnalarne gli errori)";
  out.push_back({Severity::kNote, stopper->place, std::nullopt, std::nullopt, std::nullopt, text, false});
}

int file_order(Description file) { return file == Description::kLine ? 0 : file == Description::kTrain ? 1 : 2; }

}  // namespace

int CheckResult::count(Severity severity) const {
  return static_cast<int>(std::count_if(diagnostics.begin(), diagnostics.end(),
                                        [&](const Diagnostic& d) { return d.severity == severity; }));
}

CheckResult check_texts(const std::string& nome, const std::string& treno, const DescriptionText& linea,
                        const DescriptionText& treno_text, bool scrivi_linea) {
  CompileOptions diagnostic;
  diagnostic.diagnostica = true;
  diagnostic.scrivi_linea = scrivi_linea;
  Stato all;
  all.nome = nome;
  all.treno = treno;
  compile_texts(all, linea, treno_text, diagnostic);

  // The diagnostic reading read on after an error: the compilation proper
  // tells what the builder reports and where its readings stop.
  const bool read_on = std::any_of(all.errori.all().begin(), all.errori.all().end(), is_reading);
  Stato proper;
  if (read_on) {
    proper.nome = nome;
    proper.treno = treno;
    CompileOptions compiler;
    compiler.scrivi_linea = scrivi_linea;
    compile_texts(proper, linea, treno_text, compiler);
  }
  const Stato& builder = read_on ? proper : all;

  CheckResult result;
  result.codice_errore = builder.codice_errore();
  result.posizione_errore = builder.posizione_errore();
  result.fatal = fatal_error(builder);
  std::vector<Diagnostic>& out = result.diagnostics;

  // Each fault once: a diagnostic reading can meet one twice (a gradient that
  // does not fit fails each time it is written), and both readings meet most.
  std::vector<const RaisedError*> listed;
  const auto first_time = [&](const RaisedError& e) {
    if (std::any_of(listed.begin(), listed.end(), [&](const RaisedError* d) { return same(*d, e); })) return false;
    listed.push_back(&e);
    return true;
  };
  for (const RaisedError& e : all.errori.all()) {
    if (first_time(e)) out.push_back(from_error(all, e));
  }
  if (read_on) {
    for (const RaisedError& e : proper.errori.all()) {
      if (!first_time(e)) continue;
      if (e.consequence) {
        out.push_back({Severity::kNote, e.place, std::nullopt, e.position, std::nullopt,
                       "la lettura si ferma a questa riga (" + std::to_string(e.position.value_or(0)) +
                           " m) per l'errore " + std::to_string(number(e.code)) +
                           " rimasto dalla descrizione della linea; il costruttore lo riporta a questa posizione",
                       false});
      } else {
        out.push_back(from_error(proper, e));
      }
    }
  }
  note_reading_end(builder, Stage::kLineReading, builder.lettura_linea, "della descrizione della linea", out);
  note_reading_end(builder, Stage::kTrainReading, builder.lettura_treno, "della descrizione del treno", out);
  for (const Warning& w : all.avvisi) {
    out.push_back({Severity::kWarning, w.place, std::nullopt, w.position, w.cell, w.message, false});
  }

  // The builder's error: its last one (a consequence stands for the fault
  // before it that it repeats).
  const auto& raised = builder.errori.all();
  for (auto e = raised.rbegin(); e != raised.rend(); ++e) {
    if (is_header_fault(e->code)) continue;
    const RaisedError* fault = &*e;
    if (e->consequence) {
      const auto first = std::find_if(raised.begin(), raised.end(), [&](const RaisedError& d) {
        return d.code == e->code && !d.consequence;
      });
      if (first != raised.end()) fault = &*first;
    }
    for (Diagnostic& d : out) {
      if (d.severity == Severity::kError && d.code == number(fault->code) && d.place == fault->place &&
          d.position == fault->position) {
        d.reported = true;
        break;
      }
    }
    break;
  }

  std::stable_sort(out.begin(), out.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return std::tuple(file_order(a.place.file), a.place.line, a.place.column) <
           std::tuple(file_order(b.place.file), b.place.line, b.place.column);
  });
  return result;
}

}  // namespace scenario
