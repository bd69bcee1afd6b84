#include "compiler/output/check.h"

#include <algorithm>
#include <tuple>

#include "common/windows1252.h"
#include "compiler/model/state.h"
#include "compiler/output/compile.h"

namespace scenario {
namespace {

std::string file_words(Description file) {
  return file == Description::kLine ? "della descrizione della linea" : "della descrizione del treno";
}

// "cella 32, occupata da: indicatore di velocità massima (riga 5 della
// descrizione della linea)"; for the walk, what stands in the cell.
std::string describe_cell(const CompilationState& s, int64_t cell, bool occupied) {
  const TrackModel& m = s.model;
  std::string text = "cella " + std::to_string(cell);
  if (cell < 0 || cell > m.last_cell || m.celle.empty()) {
    return text + ", fuori dal percorso (celle 0.." + std::to_string(m.last_cell) + ")";
  }
  const Cella& c = m.celle[static_cast<size_t>(cell)];
  if (c.oggetto == kNothing) return text + ", libera";
  text += (occupied ? ", occupata da: " : ": ") + object_name(c.oggetto);
  const Place& origin = s.origins.cella[static_cast<size_t>(cell)];
  if (origin.line > 0) text += " (riga " + std::to_string(origin.line) + " " + file_words(origin.file) + ")";
  return text;
}

// "la linea è lunga 10 m (riga 2) e il modello finisce a 7010 m".
std::string route_end(const CompilationState& s) {
  const TrackModel& m = s.model;
  if (s.stand_in_model) {
    return "nessun percorso è così lungo: il modello più lungo finisce a " + std::to_string(m.lunghezza_totale) + " m";
  }
  std::string text = "la linea è lunga " + std::to_string(m.lunghezza_totale - kModelExtension) + " m";
  if (s.origins.route_length.line > 0) text += " (riga " + std::to_string(s.origins.route_length.line) + ")";
  return text + " e il modello finisce a " + std::to_string(m.lunghezza_totale) + " m";
}

std::string error_message(const CompilationState& s, const RaisedError& e) {
  std::string text = "errore " + std::to_string(number(e.code));
  if (e.position) text += " a " + std::to_string(*e.position) + " m";
  text += ": ";
  text += error_meaning(number(e.code));
  if (!e.detail.empty()) text += ": " + e.detail;
  if (e.code == ErrorCode::kBeyondTrack) {
    text += "; " + route_end(s);
  } else if (e.cell) {
    text += "; " + describe_cell(s, *e.cell, e.stage != Stage::kRouteWalk);
  }
  return text;
}

Diagnostic from_error(const CompilationState& s, const RaisedError& e) {
  return {Severity::kError, e.place, number(e.code), {}, e.position, e.cell, error_message(s, e), false};
}

bool same(const RaisedError& a, const RaisedError& b) {
  return a.code == b.code && a.place == b.place && a.position == b.position;
}

bool is_reading(const RaisedError& e) { return e.stage == Stage::kLineReading || e.stage == Stage::kTrainReading; }

// The error that ended a reading early, if one did: the first position
// beyond the track, or the error that stopped it at once.
const RaisedError* reading_stopper(const CompilationState& s, Stage stage, ReadingEnd end) {
  const RaisedError* found = nullptr;
  for (const RaisedError& e : s.errors.all()) {
    if (e.stage != stage || e.consequence) continue;
    if (end == ReadingEnd::kCompleted && e.code == ErrorCode::kBeyondTrack) return &e;
    if (end == ReadingEnd::kStopped || end == ReadingEnd::kReadingFailure) found = &e;
  }
  return found;
}

void note_reading_end(const CompilationState& s, Stage stage, const Reading& reading, const char* what,
                      std::vector<Diagnostic>& out) {
  const RaisedError* stopper = reading_stopper(s, stage, reading.end);
  if (stopper == nullptr || stopper->place.line == 0) return;
  std::string text = std::string("la lettura ") + what + " si ferma qui";
  text += stopper->code == ErrorCode::kBeyondTrack ? ", come alla fine del file: " : ": ";
  text += "le righe che seguono non entrano nel percorso compilato";
  if (stage == Stage::kLineReading && s.train_reading.end == ReadingEnd::kNotRead) {
    text += ", e la descrizione del treno non viene letta";
  }
  // The check itself reads on, so what it lists after this line needs saying.
  text += " (il controllo legge lo stesso quel che segue, per segnalarne gli errori)";
  out.push_back({Severity::kNote, stopper->place, std::nullopt, {}, std::nullopt, std::nullopt, text, false});
}

// A fault that every later row of a file repeats (a route too short for
// its rows: error 15, or objects past the end of the line): the first stays,
// as does the one the builder reports, and one note in its place sums up
// the others.
struct Repeated {
  bool (*repeats)(const Diagnostic&);
  const char* one;   // what the row does
  const char* many;  // what the rows do
};

void fold_repeats(std::vector<Diagnostic>& out, const Repeated& what) {
  for (const Description file : {Description::kLine, Description::kTrain}) {
    std::vector<Diagnostic> kept;
    std::vector<int> folded_lines;
    size_t note_at = 0;
    bool first = true;
    for (Diagnostic& d : out) {
      if (d.place.file != file || !what.repeats(d)) {
        kept.push_back(std::move(d));
      } else if (first || d.reported) {
        first = false;
        kept.push_back(std::move(d));
      } else {
        if (folded_lines.empty()) note_at = kept.size();
        folded_lines.push_back(d.place.line);
        if (folded_lines.size() == 1) kept.push_back(std::move(d));
      }
    }
    if (!folded_lines.empty()) {
      Diagnostic& note = kept[note_at];
      const size_t n = folded_lines.size();
      note.severity = Severity::kNote;
      note.code.reset();
      const std::string last = std::to_string(folded_lines.back());
      note.message = n == 1   ? "anche questa riga " + std::string(what.one)
                     : n == 2 ? "anche questa riga e la riga " + last + " " + what.many
                              : "anche questa riga e altre " + std::to_string(n - 1) + ", fino alla riga " + last +
                                    ", " + what.many;
    }
    out = std::move(kept);
  }
}

bool beyond_track_error(const Diagnostic& d) {
  return d.severity == Severity::kError && d.code == number(ErrorCode::kBeyondTrack);
}
bool beyond_line_warning(const Diagnostic& d) { return d.name == warning_name(WarningKind::kBeyondLineEnd).name; }

// Where an editor shows each place: a fault of a whole file that exists at
// its first line, so that the editor opens it; in a file saved as UTF-8,
// columns in characters (its mark at the start takes none).
void place_for_editors(std::vector<Diagnostic>& out, Description file, const DescriptionText& text) {
  if (text.found != DescriptionText::Found::kRead) return;
  const std::string_view bytes = text.bytes;
  const bool utf8 = saved_as_utf8(bytes);
  std::vector<size_t> line_starts{0};
  if (utf8) {
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
        line_starts.push_back(i + 1);
      }
    }
    if (bytes.starts_with(kUtf8Mark)) line_starts[0] = kUtf8Mark.size();
  }
  for (Diagnostic& d : out) {
    if (d.place.file != file) continue;
    if (d.place.line == 0) {
      d.place.line = 1;
      d.place.column = 1;
    } else if (utf8 && static_cast<size_t>(d.place.line) <= line_starts.size()) {
      const size_t start = line_starts[static_cast<size_t>(d.place.line) - 1];
      const int byte_column = d.place.column - (d.place.line == 1 ? static_cast<int>(start) : 0);
      d.place.column = character_column(bytes.substr(start), byte_column);
    }
  }
}

int file_order(Description file) { return file == Description::kLine ? 0 : file == Description::kTrain ? 1 : 2; }

}  // namespace

int CheckResult::count(Severity severity) const {
  return static_cast<int>(std::count_if(diagnostics.begin(), diagnostics.end(),
                                        [&](const Diagnostic& d) { return d.severity == severity; }));
}

std::vector<std::string> warning_names() {
  std::vector<std::string> names;
  for (const WarningName& w : kWarningNames) {
    if (!w.fault) names.emplace_back(w.name);
  }
  return names;
}

void apply_policy(CheckResult& result, const CheckPolicy& policy) {
  std::vector<Diagnostic>& all = result.diagnostics;
  // A silenced kind's warnings, and the notes that sum up its repeats.
  std::erase_if(all, [&](const Diagnostic& d) {
    return d.severity != Severity::kError &&
           std::find(policy.ignore.begin(), policy.ignore.end(), d.name) != policy.ignore.end();
  });
  if (!policy.werror) return;
  for (Diagnostic& d : all) {
    if (d.severity == Severity::kWarning) d.severity = Severity::kError;
  }
}

CheckResult check_texts(const std::string& nome, const std::string& treno, const DescriptionText& linea,
                        const DescriptionText& treno_text, bool build_geometry) {
  CompileOptions diagnostic;
  diagnostic.diagnostic_mode = true;
  diagnostic.build_geometry = build_geometry;
  CompilationState all;
  all.nome = nome;
  all.treno = treno;
  compile_texts(all, linea, treno_text, diagnostic);

  // The diagnostic reading read on after an error: the compilation proper
  // tells what the builder reports and where its readings stop.
  const bool read_on = std::any_of(all.errors.all().begin(), all.errors.all().end(), is_reading);
  CompilationState proper;
  if (read_on) {
    proper.nome = nome;
    proper.treno = treno;
    CompileOptions compiler;
    compiler.build_geometry = build_geometry;
    compile_texts(proper, linea, treno_text, compiler);
  }
  const CompilationState& builder = read_on ? proper : all;

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
  const auto add_error = [&](const CompilationState& s, const RaisedError& e) {
    out.push_back(from_error(s, e));
    if (e.related_place) {
      out.push_back({Severity::kNote, *e.related_place, std::nullopt, {}, std::nullopt, std::nullopt, e.related, false});
    }
  };
  for (const RaisedError& e : all.errors.all()) {
    if (first_time(e)) add_error(all, e);
  }
  if (read_on) {
    for (const RaisedError& e : proper.errors.all()) {
      if (!first_time(e)) continue;
      if (e.consequence) {
        out.push_back({Severity::kNote, e.place, std::nullopt, {}, e.position, std::nullopt,
                       "la lettura si ferma a questa riga (" + std::to_string(e.position.value_or(0)) +
                           " m) per l'errore " + std::to_string(number(e.code)) +
                           " rimasto dalla descrizione della linea; il costruttore lo riporta a questa posizione",
                       false});
      } else {
        add_error(proper, e);
      }
    }
  }
  note_reading_end(builder, Stage::kLineReading, builder.line_reading, "della descrizione della linea", out);
  note_reading_end(builder, Stage::kTrainReading, builder.train_reading, "della descrizione del treno", out);
  for (const Warning& w : all.warnings) {
    // The warning of an object in cell 1 says what the header fault then says.
    if (w.kind == WarningKind::kHeaderCell && all.errors.header_fault()) continue;
    const WarningName& kind = warning_name(w.kind);
    out.push_back({kind.fault ? Severity::kError : Severity::kWarning, w.place, std::nullopt, kind.name, w.position,
                   w.cell, w.message, false});
  }

  // The builder's error: its last one (a consequence stands for the fault
  // before it that it repeats).
  const auto& raised = builder.errors.all();
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

  place_for_editors(out, Description::kLine, linea);
  place_for_editors(out, Description::kTrain, treno_text);
  std::stable_sort(out.begin(), out.end(), [](const Diagnostic& a, const Diagnostic& b) {
    return std::tuple(file_order(a.place.file), a.place.line, a.place.column) <
           std::tuple(file_order(b.place.file), b.place.line, b.place.column);
  });
  fold_repeats(out, {beyond_track_error, "cade oltre la fine del modello (errore 15)",
                     "cadono oltre la fine del modello (errore 15)"});
  fold_repeats(out, {beyond_line_warning, "pone un oggetto oltre la fine della linea",
                     "pongono oggetti oltre la fine della linea"});
  return result;
}

}  // namespace scenario
