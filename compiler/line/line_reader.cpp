// Reads a line description top to bottom: the fields before "[generale]",
// the general section, then the main part up to the end of the file, then
// the closing fills. docs/formats.md, "Line description", describes every
// row this file handles.
#include "compiler/line/line_reader.h"

#include <optional>
#include <utility>

#include "compiler/line/mountains.h"
#include "compiler/line/plan_path.h"
#include "compiler/line/progressives.h"
#include "compiler/line/speed_indicators.h"
#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"
#include "compiler/text/rows.h"

namespace scenario {
namespace {

// Separator fields passed over in a row before a keyword field.
constexpr int kGeneralSeparators = 10;
constexpr int kMainSeparators = 2;

// The start of the reading, done whether or not the file exists.
void start_reading(Stato& s) {
  Modello& m = s.modello;
  m.indice_svolta = 0;
  m.record[kScenarioSlot].nome_punto = s.nome;
  m.record[kTrainSlot].nome_punto = s.treno;
  m.slot_cartello = kFirstSignSlot;
  m.numero_montagne = 0;
}

void raise_whole_file(Stato& s, ErrorCode code, std::string detail = {}) {
  s.errori.raise({code, Stage::kLineReading, Place{Description::kLine, 0, 0}, std::nullopt, std::nullopt,
                  std::move(detail)});
}

class LineReader {
 public:
  LineReader(Stato& s, std::string bytes) : s_(s), m_(s.modello), in_(std::move(bytes)) {}

  ReadingEnd read();

 private:
  bool next_row(int separators);
  Next read_general_section();
  Next general_row();
  Next route_length();
  Next ripetizione();
  Next read_main_part();
  Next main_row();
  Next gradient();
  Next curve();
  Next mountain();
  Next speed_indicator();
  Next sign();

  void fill_gradient(int64_t until);
  bool object_beyond_track(int64_t p) const;
  void keep_progressive_origins(const ProgressiveSources& sources);

  Place row_place() const { return {Description::kLine, row_.line, row_.column}; }
  void raise(ErrorCode code, std::optional<int32_t> position, std::optional<int64_t> cell = std::nullopt);
  Next stop(ErrorCode code) {
    raise(code, std::nullopt);
    return Next::kStop;
  }
  // Error 15 ends the reading as the end of the file would.
  Next end_beyond_track(int32_t position) {
    raise(ErrorCode::kBeyondTrack, position);
    return Next::kEndOfRows;
  }

  Stato& s_;
  Modello& m_;
  FieldReader in_;
  Keyword row_;  // the keyword field being interpreted
  bool model_created_ = false;
  int64_t gradient_cursor_ = 0;  // first cell whose gradient is not yet written
  int32_t gradient_ = 0;         // gradient in force from the cursor on
  std::optional<PlanPath> path_;
};

ReadingEnd LineReader::read() {
  try {
    if (!find_general_section(in_, true)) {
      raise_whole_file(s_, ErrorCode::kNoGeneralSection);
      return ReadingEnd::kStopped;
    }
    if (read_general_section() == Next::kStop) return ReadingEnd::kStopped;
    keep_progressive_origins(progressive_ordina(m_));

    // Every row of the main part and the closing fills use the model.
    if (!model_created_) throw ReadFailure{"manca la riga \"lunghezza percorso\" prima della fine della sezione generale"};
    if (s_.scrivi_linea) path_.emplace(m_.tracciato, m_.indice_svolta);
    if (read_main_part() == Next::kStop) return ReadingEnd::kStopped;

    // The last gradient runs on to three cells before the end; the path runs
    // straight on to two points before the end.
    fill_gradient(int64_t{m_.numero_celle} - 2);
    if (path_) path_->straight_to(int64_t{m_.lunghezza_totale} - 2);
    return ReadingEnd::kCompleted;
  } catch (const ReadFailure& failure) {
    s_.errori.raise({ErrorCode::kReadingFailure, Stage::kLineReading,
                     Place{Description::kLine, in_.line(), in_.column()}, std::nullopt, std::nullopt,
                     failure.detail});
    return ReadingEnd::kReadingFailure;
  }
}

bool LineReader::next_row(int separators) {
  std::optional<Keyword> keyword = next_keyword(in_, separators);
  if (!keyword) return false;
  row_ = std::move(*keyword);
  s_.lettura_linea.last_line = row_.line;
  return true;
}

// General section: rows up to a section header ("[" and "]", not a
// separator), or to the end of the file.
Next LineReader::read_general_section() {
  while (next_row(kGeneralSeparators)) {
    if (general_row() == Next::kStop) return Next::kStop;
    const std::string& w = row_.text;
    if (has(w, "[") && has(w, "]") && w.front() != '-') break;
  }
  return Next::kRow;
}

// The tests are independent: a field holding the words of two rows reads
// the values of both, in this order.
Next LineReader::general_row() {
  const std::string& w = row_.text;
  const std::string low = lower_ascii(w);
  if (has(low, "lunghezza") && has(low, "percorso")) {
    if (route_length() == Next::kStop) return Next::kStop;
  }
  const struct {
    const char* word;
    int slot;
  } progressives[] = {{"tre", kFirstProgressiveSlot}, {"due", kFirstProgressiveSlot + 1}, {"uno", kFirstProgressiveSlot + 2}};
  for (const auto& p : progressives) {
    if (!has(w, p.word) || !has(w, "progressiva")) continue;
    Record& r = m_.record[static_cast<size_t>(p.slot)];
    r.inizio_zona = in_.number();
    r.fine_zona = in_.number();
    r.posizione_punto = in_.number();
    s_.origini.record[static_cast<size_t>(p.slot)] = row_place();
  }
  Record& scenario = m_.record[kScenarioSlot];
  if (has(w, "sfondo") && has(w, "uno")) scenario.inizio_zona = in_.number();
  if (has(w, "sfondo") && has(w, "due")) scenario.posizione_punto = in_.number();
  if (has(w, "sfondo") && has(w, "tre")) scenario.fine_zona = in_.number();
  if (has(w, "segnali") && has(w, "ripetizione")) return ripetizione();
  return Next::kRow;
}

// The route length sizes the model; it is stored in record 84 first.
Next LineReader::route_length() {
  const int32_t length = in_.number();
  m_.record[kTrainDataSlot].fine_zona = length;
  if (length > kMaxRouteLength) return stop(ErrorCode::kRouteTooLong);
  if (length < 0) throw ReadFailure{"la lunghezza del percorso " + std::to_string(length) + " è negativa"};
  create_track(s_, length);
  model_created_ = true;
  return Next::kRow;
}

// Repeated signals: the two distances are stored, then checked; the code is
// the 4 or 9 of the keyword, and 0 when the second distance is 0.
Next LineReader::ripetizione() {
  Record& r = m_.record[kTrainSlot];
  r.inizio_zona = in_.number();
  r.fine_zona = in_.number();
  if (r.inizio_zona % 50 != 0) return stop(ErrorCode::kRepeatStartOffGrid);
  if (r.fine_zona % 50 != 0) return stop(ErrorCode::kRepeatEndOffGrid);
  if (has(row_.text, "4")) {
    r.posizione_punto = 4;
  } else if (has(row_.text, "9")) {
    r.posizione_punto = 9;
  } else {
    return stop(ErrorCode::kRepeatCodeMissing);
  }
  if (r.fine_zona == 0) r.posizione_punto = 0;
  return Next::kRow;
}

// Records 81..83 were ordered: their rows follow them.
void LineReader::keep_progressive_origins(const ProgressiveSources& sources) {
  std::array<Place, 3> ordered{};
  for (size_t i = 0; i < 3; ++i) {
    if (sources[i] != 0) ordered[i] = s_.origini.record[static_cast<size_t>(sources[i])];
  }
  for (size_t i = 0; i < 3; ++i) s_.origini.record[kFirstProgressiveSlot + i] = ordered[i];
}

Next LineReader::read_main_part() {
  while (next_row(kMainSeparators)) {
    const Next next = main_row();
    if (next != Next::kRow) return next;
  }
  return Next::kEndOfRows;
}

// The tests ignore case and are independent, like those of the general
// section. Curves are rows only when the geometry is built; otherwise their
// values are read as fields that match nothing.
Next LineReader::main_row() {
  const std::string w = lower_ascii(row_.text);
  Next next = Next::kRow;
  if (has(w, "pendenza")) next = gradient();
  if (next == Next::kRow && path_ && has(w, "curva")) next = curve();
  if (next == Next::kRow && has(w, "montagna")) next = mountain();
  if (next == Next::kRow && has(w, "indicatori_v")) next = speed_indicator();
  if (next == Next::kRow && has(w, "indicat") && has(w, "cartello")) next = sign();
  return next;
}

// A gradient change at p: the gradient in force so far is written up to the
// cell before nearest-even(p / 50). A change at p = 0 writes nothing; the
// new gradient is written when the next change (or the closing fill) comes.
Next LineReader::gradient() {
  const int32_t p = in_.number();
  const int32_t g = in_.number();
  if (beyond_track(m_, p, 100)) return end_beyond_track(p);
  const int64_t e = cell_of_stretch(p);
  if (e > 0) fill_gradient(e);
  gradient_ = g;
  ++s_.righe_lette.pendenze;
  return Next::kRow;
}

Next LineReader::curve() {
  const int32_t p = in_.number();
  const int32_t n = in_.number();
  if (beyond_track(m_, p, 100)) return end_beyond_track(p);
  const std::optional<double> kappa = curve_curvature(row_.text);
  if (!kappa) return stop(ErrorCode::kBadCurve);
  if (!path_->curve(p, n, *kappa)) return stop(ErrorCode::kBadCurve);
  ++s_.righe_lette.curve;
  return Next::kRow;
}

Next LineReader::mountain() {
  const int32_t inizio = in_.number();
  const int32_t fine = in_.number();
  const int32_t tipo = in_.number();
  if (beyond_track(m_, inizio, 100)) return end_beyond_track(inizio);
  memo_montagna(m_, inizio, fine, tipo);
  return Next::kRow;
}

Next LineReader::speed_indicator() {
  SpeedIndicator v;
  for (int32_t* value : {&v.posizione, &v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd,
                         &v.strisced}) {
    *value = in_.number();
  }
  if (object_beyond_track(v.posizione)) return end_beyond_track(v.posizione);
  const int64_t cell = cell_of_object(v.posizione);
  if (!memo_indicatori_v_max(m_, v)) {
    raise(ErrorCode::kIndicatorCellOccupied, v.posizione, cell);
    return Next::kStop;
  }
  s_.origini.cella[static_cast<size_t>(cell)] = row_place();
  return Next::kRow;
}

// A direction sign: code 14 in its cell, its text in the next sign record
// (80 downward), whose index the cell keeps in valore1.
Next LineReader::sign() {
  const int32_t p = in_.number();
  std::string text = in_.text();
  if (object_beyond_track(p)) return end_beyond_track(p);
  const int64_t i = cell_of_object(p);
  Cella& cell = m_.celle[static_cast<size_t>(i)];
  if (!is_free(cell)) {
    raise(ErrorCode::kSignCellOccupied, p, i);
    return Next::kStop;
  }
  if (m_.slot_cartello < 0) {
    throw ReadFailure{"il cartello indicatore n. " + std::to_string(kFirstSignSlot + 2) +
                      " non trova posto: i record dei cartelli sono " + std::to_string(kFirstSignSlot + 1)};
  }
  const auto slot = static_cast<size_t>(m_.slot_cartello);
  cell.oggetto = kDirectionSign;
  cell.valore1 = static_cast<int16_t>(m_.slot_cartello);
  m_.record[slot].nome_punto = std::move(text);
  s_.origini.record[slot] = row_place();
  s_.origini.cella[static_cast<size_t>(i)] = row_place();
  --m_.slot_cartello;
  return Next::kRow;
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

// A point object must also land on a cell of the track (a negative position
// can put it before cell 0).
bool LineReader::object_beyond_track(int64_t p) const {
  return beyond_track(m_, p, 100) || !in_track(m_, cell_of_object(p));
}

void LineReader::raise(ErrorCode code, std::optional<int32_t> position, std::optional<int64_t> cell) {
  s_.errori.raise({code, Stage::kLineReading, row_place(), position, cell, {}});
}

}  // namespace

void read_line(Stato& s, const DescriptionText& text) {
  start_reading(s);
  switch (text.found) {
    case DescriptionText::Found::kMissing:
      raise_whole_file(s, ErrorCode::kMissingLineDescription);
      s.lettura_linea.end = ReadingEnd::kNotRead;
      return;
    case DescriptionText::Found::kUnreadable:
      raise_whole_file(s, ErrorCode::kReadingFailure, "il file non si può leggere");
      s.lettura_linea.end = ReadingEnd::kReadingFailure;
      return;
    case DescriptionText::Found::kRead:
      break;
  }
  s.lettura_linea.end = LineReader(s, text.bytes).read();
}

}  // namespace scenario
