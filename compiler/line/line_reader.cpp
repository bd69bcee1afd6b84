// Reads a line description top to bottom: the fields before "[generale]",
// the general section, then the main part up to the end of the file, then
// the closing fills. docs/formats.md, "Line description", describes every
// row this file handles.
#include "compiler/line/line_reader.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "common/read_whole_file.h"
#include "compiler/line/field_reader.h"
#include "compiler/line/mountains.h"
#include "compiler/line/plan_path.h"
#include "compiler/line/progressives.h"
#include "compiler/line/speed_indicators.h"
#include "compiler/model/numbers.h"
#include "compiler/model/read_failure.h"

namespace scenario {
namespace {

// Error numbers of the line description.
constexpr int32_t kRouteTooLong = 1;
constexpr int32_t kRepeatStartNotMultiple = 3;
constexpr int32_t kRepeatEndNotMultiple = 4;
constexpr int32_t kRepeatCodeMissing = 5;
constexpr int32_t kSignCellOccupied = 6;
constexpr int32_t kBeyondTrack = 15;
constexpr int32_t kIndicatorCellOccupied = 21;
constexpr int32_t kReadingFailure = 25;
constexpr int32_t kMissingFile = 101;
constexpr int32_t kNoGeneralSection = 102;
constexpr int32_t kBadCurve = 103;

// Separator fields passed over in a row before a keyword field.
constexpr int kGeneralSeparators = 10;
constexpr int kMainSeparators = 2;

constexpr int32_t kFirstSignSlot = 80;

// The keywords are plain ASCII, so ignoring case needs no locale.
std::string lower(std::string t) {
  for (char& c : t) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return t;
}

bool has(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

void record_error(Stato& s, int32_t code, int line) {
  s.codice_errore = code;
  s.origine_errore = ErrorSource::kLineDescription;
  s.riga_errore = line;
}

// The start of memorizza_dati, done whether or not the file exists.
void start_reading(Stato& s) {
  Modello& m = s.modello;
  m.indice_svolta = 0;
  m.record[85].nome_punto = s.nome;
  m.record[86].nome_punto = s.treno;
  m.slot_cartello = kFirstSignSlot;
  m.numero_montagne = 0;
}

// How a row, or a part of the file, leaves the reading.
enum class Flow {
  kGoOn,  // read on
  kEnd,   // reading over (end of file, error 15): the closing fills still run
  kStop,  // an error that ends memorizza_dati at once
};

class LineReader {
 public:
  LineReader(Stato& s, std::string bytes)
      : s_(s), m_(s.modello), campo_(s.modello.campo), in_(std::move(bytes)) {}

  LineReadResult read();

 private:
  bool find_general_section();
  Flow read_general_section();
  Flow general_row();
  Flow route_length();
  Flow ripetizione();
  Flow read_main_part();
  Flow main_row();
  Flow gradient();
  Flow curve();
  Flow mountain();
  Flow speed_indicator();
  Flow sign();

  bool next_keyword(int separators);
  void fill_gradient(int64_t until);
  bool beyond_track(int64_t p) const;
  bool object_beyond_track(int64_t p) const;
  Flow stop(int32_t code);
  Flow stop_at(int32_t code, int32_t position);
  Flow end_beyond_track(int32_t position);

  Stato& s_;
  Modello& m_;
  std::string& campo_;  // the keyword field being interpreted
  FieldReader in_;
  int row_line_ = 0;  // line of campo_
  bool model_created_ = false;
  int64_t gradient_cursor_ = 0;  // first cell whose gradient is not yet written
  int32_t gradient_ = 0;         // gradient in force from the cursor on
  std::optional<PlanPath> path_;
};

LineReadResult LineReader::read() {
  try {
    if (!find_general_section()) return LineReadResult::kStop;
    if (read_general_section() == Flow::kStop) return LineReadResult::kStop;
    progressive_ordina(m_);

    // Every row of the main part and the closing fills use the model.
    if (!model_created_) throw ReadFailure{};
    if (s_.scrivi_linea != 0) path_.emplace(m_.tracciato, m_.indice_svolta);
    if (read_main_part() == Flow::kStop) return LineReadResult::kStop;

    // The last gradient runs on to three cells before the end; the path runs
    // straight on to two points before the end.
    fill_gradient(int64_t{m_.numero_celle} - 2);
    if (path_) path_->straight_to(int64_t{m_.lunghezza_totale} - 2);
    return LineReadResult::kReadTrain;
  } catch (const ReadFailure&) {
    record_error(s_, kReadingFailure, in_.line());
    return LineReadResult::kReadingFailure;
  }
}

// Passes over every field up to the one containing "[generale]". Reaching
// the end of the file first, or with that field, is error 102.
bool LineReader::find_general_section() {
  while (!in_.eof()) {
    campo_ = in_.text();
    if (in_.eof()) break;
    if (has(lower(campo_), "[generale]")) return true;
  }
  record_error(s_, kNoGeneralSection, 0);  // a fault of the whole file
  return false;
}

// General section: rows up to a section header ("[" and "]", not a
// separator), or to the end of the file.
Flow LineReader::read_general_section() {
  while (next_keyword(kGeneralSeparators)) {
    if (general_row() == Flow::kStop) return Flow::kStop;
    if (has(campo_, "[") && has(campo_, "]") && campo_.front() != '-') break;
  }
  return Flow::kGoOn;
}

// The tests are independent: a field holding the words of two rows reads
// the values of both, in this order.
Flow LineReader::general_row() {
  const std::string& w = campo_;
  const std::string low = lower(w);
  if (has(low, "lunghezza") && has(low, "percorso")) {
    if (route_length() == Flow::kStop) return Flow::kStop;
  }
  const struct {
    const char* word;
    size_t slot;
  } progressives[] = {{"tre", 81}, {"due", 82}, {"uno", 83}};
  for (const auto& p : progressives) {
    if (!has(w, p.word) || !has(w, "progressiva")) continue;
    Record& r = m_.record[p.slot];
    r.inizio_zona = in_.number();
    r.fine_zona = in_.number();
    r.posizione_punto = in_.number();
  }
  if (has(w, "sfondo") && has(w, "uno")) m_.record[85].inizio_zona = in_.number();
  if (has(w, "sfondo") && has(w, "due")) m_.record[85].posizione_punto = in_.number();
  if (has(w, "sfondo") && has(w, "tre")) m_.record[85].fine_zona = in_.number();
  if (has(w, "segnali") && has(w, "ripetizione")) return ripetizione();
  return Flow::kGoOn;
}

// The route length sizes the model; it is stored in record 84 first.
Flow LineReader::route_length() {
  const int32_t length = in_.number();
  m_.record[84].fine_zona = length;
  if (length > kMaxRouteLength) return stop(kRouteTooLong);
  if (length < 0) throw ReadFailure{};
  create_model(m_, length, s_.scrivi_linea != 0);
  model_created_ = true;
  return Flow::kGoOn;
}

// Repeated signals: the two distances are stored, then checked; the code is
// the 4 or 9 of the keyword, and 0 when the second distance is 0.
Flow LineReader::ripetizione() {
  Record& r = m_.record[86];
  r.inizio_zona = in_.number();
  r.fine_zona = in_.number();
  if (r.inizio_zona % 50 != 0) return stop(kRepeatStartNotMultiple);
  if (r.fine_zona % 50 != 0) return stop(kRepeatEndNotMultiple);
  if (has(campo_, "4")) {
    r.posizione_punto = 4;
  } else if (has(campo_, "9")) {
    r.posizione_punto = 9;
  } else {
    return stop(kRepeatCodeMissing);
  }
  if (r.fine_zona == 0) r.posizione_punto = 0;
  return Flow::kGoOn;
}

Flow LineReader::read_main_part() {
  while (next_keyword(kMainSeparators)) {
    const Flow flow = main_row();
    if (flow != Flow::kGoOn) return flow;
  }
  return Flow::kEnd;
}

// The tests ignore case and are independent, like those of the general
// section. Curves are rows only when the geometry is built; otherwise their
// values are read as fields that match nothing.
Flow LineReader::main_row() {
  const std::string w = lower(campo_);
  Flow flow = Flow::kGoOn;
  if (has(w, "pendenza")) flow = gradient();
  if (flow == Flow::kGoOn && path_ && has(w, "curva")) flow = curve();
  if (flow == Flow::kGoOn && has(w, "montagna")) flow = mountain();
  if (flow == Flow::kGoOn && has(w, "indicatori_v")) flow = speed_indicator();
  if (flow == Flow::kGoOn && has(w, "indicat") && has(w, "cartello")) flow = sign();
  return flow;
}

// A gradient change at p: the gradient in force so far is written up to the
// cell before nearest-even(p / 50). A change at p = 0 writes nothing; the
// new gradient is written when the next change (or the closing fill) comes.
Flow LineReader::gradient() {
  const int32_t p = in_.number();
  const int32_t g = in_.number();
  if (beyond_track(p)) return end_beyond_track(p);
  const int64_t e = cell_of_stretch(p);
  if (e > 0) fill_gradient(e);
  gradient_ = g;
  ++s_.righe_lette.pendenze;
  return Flow::kGoOn;
}

Flow LineReader::curve() {
  const int32_t p = in_.number();
  const int32_t n = in_.number();
  if (beyond_track(p)) return end_beyond_track(p);
  const std::optional<double> kappa = curve_curvature(campo_);
  if (!kappa) return stop(kBadCurve);
  if (!path_->curve(p, n, *kappa)) return stop(kBadCurve);
  ++s_.righe_lette.curve;
  return Flow::kGoOn;
}

Flow LineReader::mountain() {
  const int32_t inizio = in_.number();
  const int32_t fine = in_.number();
  int32_t tipo = in_.number();
  if (beyond_track(inizio)) return end_beyond_track(inizio);
  memo_montagna(m_, inizio, fine, tipo);
  return Flow::kGoOn;
}

Flow LineReader::speed_indicator() {
  SpeedIndicator v;
  for (int32_t* value : {&v.posizione, &v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd,
                         &v.strisced}) {
    *value = in_.number();
  }
  if (object_beyond_track(v.posizione)) return end_beyond_track(v.posizione);
  if (!memo_indicatori_v_max(m_, v)) return stop_at(kIndicatorCellOccupied, v.posizione);
  return Flow::kGoOn;
}

// A direction sign: code 14 in its cell, its text in the next sign record
// (80 downward), whose index the cell keeps in valore1.
Flow LineReader::sign() {
  const int32_t p = in_.number();
  std::string text = in_.text();
  if (object_beyond_track(p)) return end_beyond_track(p);
  Cella& cell = m_.celle[static_cast<size_t>(cell_of_object(p))];
  if (!is_free(cell)) return stop_at(kSignCellOccupied, p);
  if (m_.slot_cartello < 0) throw ReadFailure{};  // records 80..0 are all taken
  cell.oggetto = kDirectionSign;
  cell.valore1 = static_cast<int16_t>(m_.slot_cartello);
  m_.record[static_cast<size_t>(m_.slot_cartello)].nome_punto = std::move(text);
  --m_.slot_cartello;
  return Flow::kGoOn;
}

// Reads the next keyword field into campo_, passing over up to `separators`
// fields that contain "-". False at the end of the file: the file's last
// field is never interpreted, wherever it is read.
bool LineReader::next_keyword(int separators) {
  if (in_.eof()) return false;
  campo_ = in_.text();
  for (int i = 0; i < separators && !in_.eof() && has(campo_, "-"); ++i) campo_ = in_.text();
  row_line_ = in_.line();
  return !in_.eof();
}

// Writes the gradient in force (plus 100) into the cursor's cell and
// advances the cursor, at least once and then while it is below `until`.
// Cells past the last one are passed over.
void LineReader::fill_gradient(int64_t until) {
  do {
    if (gradient_cursor_ <= m_.numero_celle) {
      m_.celle[static_cast<size_t>(gradient_cursor_)].pendenza = checked<uint8_t>(int64_t{gradient_} + 100);
    }
    ++gradient_cursor_;
  } while (gradient_cursor_ < until);
}

// The range check of every positioned row, in double precision so that no
// position can overflow it.
bool LineReader::beyond_track(int64_t p) const {
  return (static_cast<double>(p) + 100.0) / 50.0 > m_.numero_celle;
}

// A point object must also land on a cell of the track (a negative position
// can put it before cell 0).
bool LineReader::object_beyond_track(int64_t p) const {
  const int64_t cell = cell_of_object(p);
  return beyond_track(p) || cell < 0 || cell > m_.numero_celle;
}

Flow LineReader::stop(int32_t code) {
  record_error(s_, code, row_line_);
  return Flow::kStop;
}

Flow LineReader::stop_at(int32_t code, int32_t position) {
  s_.posizione_errore = position;
  return stop(code);
}

// Error 15 ends the reading as the end of the file would.
Flow LineReader::end_beyond_track(int32_t position) {
  s_.posizione_errore = position;
  record_error(s_, kBeyondTrack, row_line_);
  return Flow::kEnd;
}

}  // namespace

LineReadResult read_line_text(Stato& s, std::string bytes) {
  start_reading(s);
  return LineReader(s, std::move(bytes)).read();
}

bool read_line_description(Stato& s, const DescriptionFiles& files) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(files.linea, ec)) {
    start_reading(s);
    record_error(s, kMissingFile, 0);
    return false;
  }

  std::optional<std::string> bytes = read_whole_file(files.linea);
  LineReadResult result = LineReadResult::kReadingFailure;
  if (bytes) {
    result = read_line_text(s, std::move(*bytes));
  } else {
    start_reading(s);
    record_error(s, kReadingFailure, 0);
  }

  discard_after_reading(files, files.linea, result == LineReadResult::kReadingFailure);
  return result == LineReadResult::kReadTrain;
}

}  // namespace scenario
