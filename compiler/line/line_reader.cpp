// Reads a line description top to bottom: the fields before "[generale]",
// the general section, then the main part up to the end of the file, then
// the closing fills. docs/formats.md, "Line description", describes every
// row this file handles.
#include "compiler/line/line_reader.h"

#include <optional>
#include <utility>

#include "common/windows1252.h"
#include "compiler/line/line_keywords.h"
#include "compiler/line/mountains.h"
#include "compiler/line/plan_path.h"
#include "compiler/line/progressives.h"
#include "compiler/line/speed_indicators.h"
#include "compiler/model/numbers.h"
#include "compiler/text/notes.h"
#include "compiler/text/read_failure.h"
#include "compiler/text/rows.h"

namespace scenario {
namespace {

// Separator fields passed over in a row before a keyword field.
constexpr int kGeneralSeparators = 10;
constexpr int kMainSeparators = 2;

// A mountain stretch starting at most this far after the previous one's end
// takes type 3.
constexpr int64_t kCloseMountainGap = 150;

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

bool is_section_header(const std::string& w) { return has(w, "[") && has(w, "]") && w.front() != '-'; }

class LineReader {
 public:
  LineReader(Stato& s, const std::string& bytes) : s_(s), m_(s.modello), in_(bytes) {
    if (s.diagnostica) notes_.emplace(s, Description::kLine, bytes, line_keywords(), in_);
  }

  ReadingEnd read();

 private:
  bool next_row(int separators);
  Next read_section(int separators, bool general);
  Next row(bool general, bool& matched);
  Next general_row(bool& matched);
  Next route_length();
  Next ripetizione();
  Next main_row(bool& matched);
  Next gradient();
  Next curve();
  Next mountain();
  Next speed_indicator();
  Next sign();

  void fill_gradient(int64_t until);
  bool object_beyond_track(int64_t p) const;
  void keep_progressive_origins(const ProgressiveSources& sources);
  void raise_failure(const ReadFailure& failure);
  void note_row(bool general, bool matched);

  Place row_place() const { return {Description::kLine, row_.line, row_.column}; }
  Place value_place() const { return {Description::kLine, in_.line(), in_.column()}; }
  void raise(ErrorCode code, Place at, std::optional<int32_t> position, std::optional<int64_t> cell = std::nullopt);
  Next stop(ErrorCode code, Place at) {
    raise(code, at, std::nullopt);
    return Next::kStop;
  }
  // Error 15 ends the reading as the end of the file would.
  Next end_beyond_track(int32_t position, Place at) {
    raise(ErrorCode::kBeyondTrack, at, position);
    return Next::kEndOfRows;
  }

  Stato& s_;
  Modello& m_;
  FieldReader in_;
  std::optional<Notes> notes_;  // a diagnostic reading only
  Keyword row_;                 // the keyword field being interpreted
  bool in_row_ = false;         // reading the values of row_
  bool in_general_ = false;     // in the general section
  bool model_created_ = false;
  int64_t gradient_cursor_ = 0;  // first cell whose gradient is not yet written
  int32_t gradient_ = 0;         // gradient in force from the cursor on
  Place gradient_place_;         // the field that gave it
  std::optional<int32_t> furthest_gradient_;  // for the notes on rows out of order
  bool given_progressive_ = false;            // a progressive that is not all zeros
  Place first_progressive_;
  int64_t curve_end_ = 0;  // where the last curve ends, metres
  std::optional<PlanPath> path_;
};

ReadingEnd LineReader::read() {
  try {
    if (!find_general_section(in_, true)) {
      raise_whole_file(s_, ErrorCode::kNoGeneralSection);
      return ReadingEnd::kStopped;
    }
    if (notes_) {
      notes_->before_general(in_, [](std::string_view f) { return starts_general_row(f) || starts_main_row(f); });
    }
    if (read_section(kGeneralSeparators, true) == Next::kStop) return ReadingEnd::kStopped;
    keep_progressive_origins(progressive_ordina(m_));

    // Every row of the main part and the closing fills use the model. A
    // diagnostic reading that already raised the error that left none stops.
    if (!model_created_) {
      if (s_.diagnostica && !s_.errori.empty()) return ReadingEnd::kStopped;
      throw ReadFailure{"manca la riga \"lunghezza percorso\" prima della fine della sezione generale"};
    }
    if (s_.scrivi_linea) path_.emplace(m_.tracciato, m_.indice_svolta);
    if (read_section(kMainSeparators, false) == Next::kStop) return ReadingEnd::kStopped;
    if (notes_) notes_->last_field(in_, starts_main_row(in_.last_field()));

    // The last gradient runs on to three cells before the end; the path runs
    // straight on to two points before the end.
    fill_gradient(int64_t{m_.numero_celle} - 2);
    if (path_) path_->straight_to(int64_t{m_.lunghezza_totale} - 2);
    return ReadingEnd::kCompleted;
  } catch (const ReadFailure& failure) {
    raise_failure(failure);
    return ReadingEnd::kReadingFailure;
  }
}

// Error 25 at the field at fault, saying which value of which row it is.
void LineReader::raise_failure(const ReadFailure& failure) {
  const bool in_row = in_row_ && failure.line == 0;
  const Place at = failure.line > 0 ? Place{Description::kLine, failure.line, failure.column} : value_place();
  const std::string detail =
      in_row ? failure_in_row(in_, row_, line_row_values(row_.text, in_general_), failure.detail) : failure.detail;
  s_.errori.raise({ErrorCode::kReadingFailure, Stage::kLineReading, at, std::nullopt, std::nullopt, detail});
}

bool LineReader::next_row(int separators) {
  std::optional<Keyword> keyword = next_keyword(in_, separators);
  if (!keyword) return false;
  row_ = std::move(*keyword);
  s_.lettura_linea.last_line = row_.line;
  return true;
}

// The general section: rows up to a section header ("[" and "]", not a
// separator), or to the end of the file. The main part: rows up to the end
// of the file, or to a position beyond the track (error 15). A diagnostic
// reading goes on after an error, from the next line that starts a row.
Next LineReader::read_section(int separators, bool general) {
  while (next_row(separators)) {
    bool matched = false;
    Next next = Next::kRow;
    in_row_ = true;
    in_general_ = general;
    bool failed = false;
    try {
      next = row(general, matched);
    } catch (const ReadFailure& failure) {
      if (!s_.diagnostica) throw;
      raise_failure(failure);
      next = Next::kStop;
      failed = true;
    }
    in_row_ = false;
    // A row that failed is reported by its error, the lines it read into with it.
    if (notes_ && !failed) note_row(general, matched);
    if (next != Next::kRow && !s_.diagnostica) return next;
    if (next != Next::kRow) {
      notes_->mark_reported(in_.line());
      in_.resume_after(row_.line, general ? [](std::string_view f) { return starts_general_row(f) || has(f, "["); }
                                          : [](std::string_view f) { return starts_main_row(f); });
      continue;
    }
    if (general && is_section_header(row_.text)) break;
  }
  return general ? Next::kRow : Next::kEndOfRows;
}

Next LineReader::row(bool general, bool& matched) { return general ? general_row(matched) : main_row(matched); }

void LineReader::note_row(bool general, bool matched) {
  // Without the geometry a curve row and its values are left unread on
  // purpose.
  if (!general && !path_ && is_main_row(MainRow::kCurve, lower_ascii(row_.text))) {
    notes_->mark_reported(row_.line);
    return;
  }
  if (!matched && row_.first_on_line) {
    if (general && is_section_header(row_.text) && !is_line_section(row_.text)) {
      notes_->add(WarningKind::kUnknownSection, row_place(),
                  "l'intestazione sconosciuta " + quoted_utf8(row_.text) +
                      " chiude la sezione generale: le sue righe che seguono non sono lette");
      notes_->mark_reported(row_.line);
    } else if (general ? starts_main_row(row_.text) : starts_general_row(row_.text)) {
      notes_->add(WarningKind::kOutsideSection, row_place(),
                  quoted_utf8(row_.text) + " non è letta qui: " +
                      (general ? "la sezione generale finisce alla prima intestazione che la segue, e solo dopo"
                                 " si leggono le righe del tracciato"
                               : "vale solo nella sezione generale, prima della prima intestazione"));
      notes_->mark_reported(row_.line);
    }
  }
  notes_->row(in_, row_, matched, [](std::string_view f) { return is_line_section(f); });
}

// The tests are independent: a field holding the words of two rows reads
// the values of both, in this order.
Next LineReader::general_row(bool& matched) {
  const std::string& w = row_.text;
  if (is_general_row(GeneralRow::kRouteLength, w)) {
    matched = true;
    if (route_length() == Next::kStop) return Next::kStop;
  }
  const struct {
    GeneralRow row;
    int slot;
  } progressives[] = {{GeneralRow::kProgressiveTre, kFirstProgressiveSlot},
                      {GeneralRow::kProgressiveDue, kFirstProgressiveSlot + 1},
                      {GeneralRow::kProgressiveUno, kFirstProgressiveSlot + 2}};
  for (const auto& p : progressives) {
    if (!is_general_row(p.row, w)) continue;
    matched = true;
    Record& r = m_.record[static_cast<size_t>(p.slot)];
    r.inizio_zona = in_.number();
    r.fine_zona = in_.number();
    r.posizione_punto = in_.number();
    s_.origini.record[static_cast<size_t>(p.slot)] = row_place();
    given_progressive_ = given_progressive_ || r.inizio_zona != 0 || r.fine_zona != 0 || r.posizione_punto != 0;
    if (given_progressive_ && !first_progressive_.line) first_progressive_ = row_place();
  }
  Record& scenario = m_.record[kScenarioSlot];
  const struct {
    GeneralRow row;
    int32_t Record::*member;
  } backgrounds[] = {{GeneralRow::kBackgroundUno, &Record::inizio_zona},
                     {GeneralRow::kBackgroundDue, &Record::posizione_punto},
                     {GeneralRow::kBackgroundTre, &Record::fine_zona}};
  for (const auto& b : backgrounds) {
    if (!is_general_row(b.row, w)) continue;
    matched = true;
    scenario.*b.member = in_.number();
  }
  if (is_general_row(GeneralRow::kRepeatedSignals, w)) {
    matched = true;
    return ripetizione();
  }
  return Next::kRow;
}

// The route length sizes the model; it is stored in record 84 first.
Next LineReader::route_length() {
  const int32_t length = in_.number();
  const Place at = value_place();
  m_.record[kTrainDataSlot].fine_zona = length;
  if (length > kMaxRouteLength) return stop(ErrorCode::kRouteTooLong, at);
  if (length < 0) throw ReadFailure{"la lunghezza del percorso " + std::to_string(length) + " è negativa"};
  if (notes_ && length == 0) {
    notes_->add(WarningKind::kRouteLengthZero, at,
                "la lunghezza del percorso è 0 m (il campo è vuoto?): il modello copre solo i 7000 m oltre la fine");
  }
  create_track(s_, length);
  model_created_ = true;
  return Next::kRow;
}

// Repeated signals: the two distances are stored, then checked; the code is
// the 4 or 9 of the keyword, and 0 when the second distance is 0.
Next LineReader::ripetizione() {
  Record& r = m_.record[kTrainSlot];
  r.inizio_zona = in_.number();
  const Place first = value_place();
  r.fine_zona = in_.number();
  if (r.inizio_zona % 50 != 0) return stop(ErrorCode::kRepeatStartOffGrid, first);
  if (r.fine_zona % 50 != 0) return stop(ErrorCode::kRepeatEndOffGrid, value_place());
  if (has(row_.text, "4")) {
    r.posizione_punto = 4;
  } else if (has(row_.text, "9")) {
    r.posizione_punto = 9;
  } else {
    return stop(ErrorCode::kRepeatCodeMissing, row_place());
  }
  if (r.fine_zona == 0) r.posizione_punto = 0;
  return Next::kRow;
}

// Records 81..83 were ordered: their rows follow them. Two progressives at
// the same largest position clear all three.
void LineReader::keep_progressive_origins(const ProgressiveSources& sources) {
  std::array<Place, 3> ordered{};
  for (size_t i = 0; i < 3; ++i) {
    if (sources[i] != 0) ordered[i] = s_.origini.record[static_cast<size_t>(sources[i])];
  }
  if (notes_ && sources == ProgressiveSources{} && given_progressive_) {
    notes_->add(WarningKind::kProgressivesCleared, first_progressive_,
                "le progressive chilometriche sono azzerate tutte e tre: due hanno la stessa posizione più avanzata, "
                "o la somma delle posizioni è 0 e nessuna ha un valore chilometrico positivo");
  }
  for (size_t i = 0; i < 3; ++i) s_.origini.record[kFirstProgressiveSlot + i] = ordered[i];
}

// The tests ignore case and are independent, like those of the general
// section. Curves are rows only when the geometry is built; otherwise their
// values are read as fields that match nothing.
Next LineReader::main_row(bool& matched) {
  const std::string w = lower_ascii(row_.text);
  Next next = Next::kRow;
  const auto when = [&](bool matches, Next (LineReader::*read)()) {
    if (next != Next::kRow || !matches) return;
    matched = true;
    next = (this->*read)();
  };
  when(is_main_row(MainRow::kGradient, w), &LineReader::gradient);
  when(path_ && is_main_row(MainRow::kCurve, w), &LineReader::curve);
  when(is_main_row(MainRow::kMountain, w), &LineReader::mountain);
  when(is_main_row(MainRow::kSpeedIndicator, w), &LineReader::speed_indicator);
  when(is_main_row(MainRow::kSign, w), &LineReader::sign);
  return next;
}

// A gradient change at p: the gradient in force so far is written up to the
// cell before nearest-even(p / 50). A change at p = 0 writes nothing; the
// new gradient is written when the next change (or the closing fill) comes.
Next LineReader::gradient() {
  const int32_t p = in_.number();
  const Place p_at = value_place();
  const int32_t g = in_.number();
  const Place g_at = value_place();
  if (beyond_track(m_, p, 100)) return end_beyond_track(p, p_at);
  const int64_t e = cell_of_stretch(p);
  if (notes_) {
    notes_->stretch(p_at, p, furthest_gradient_, "la pendenza");
    furthest_gradient_ = std::max(furthest_gradient_.value_or(p), p);
  }
  if (e > 0) fill_gradient(e);
  gradient_ = g;
  gradient_place_ = g_at;
  ++s_.righe_lette.pendenze;
  return Next::kRow;
}

// A curve keyword names its side and its class: "s" anywhere turns left,
// and the first class digit in the order 1..6 counts.
void note_curve_keyword(Notes& notes, Place at, const std::string& keyword) {
  const std::string low = lower_ascii(keyword);
  const size_t after = low.find("curva") + 5;
  const char side = after < low.size() ? low[after] : ' ';
  const bool left = has(low, "s");
  if ((left && side != 's') || (!left && side != 'd')) {
    notes.add(WarningKind::kCurveSide, at,
              quoted_utf8(keyword) + " gira a " + (left ? "sinistra: contiene una \"s\"" : "destra: non contiene \"s\"") +
                  "; il lato si scrive con la lettera subito dopo \"curva\" (s sinistra, d destra)");
  }
  std::string digits;
  for (const char c : keyword) {
    if (c >= '1' && c <= '6' && !has(digits, std::string(1, c))) digits += c;
  }
  if (digits.size() > 1) {
    const std::string used(1, *std::min_element(digits.begin(), digits.end()));
    notes.add(WarningKind::kCurveSide, at,
              quoted_utf8(keyword) + " contiene più cifre di classe: vale la classe " + used);
  }
}

Next LineReader::curve() {
  const int32_t p = in_.number();
  const Place p_at = value_place();
  const int32_t n = in_.number();
  if (beyond_track(m_, p, 100)) return end_beyond_track(p, p_at);
  const std::optional<double> kappa = curve_curvature(row_.text);
  if (!kappa) return stop(ErrorCode::kBadCurve, row_place());
  if (notes_) {
    note_curve_keyword(*notes_, row_place(), row_.text);
    if (p < curve_end_) {
      notes_->add(WarningKind::kOutOfOrder, p_at,
                  "la curva inizia a " + std::to_string(p) + " m, prima della fine della precedente (" +
                      std::to_string(curve_end_) + " m): si piega solo da lì",
                  p);
    }
    if (int64_t{p} + n > int64_t{m_.lunghezza_totale} - 2) {
      notes_->add(WarningKind::kPositionClipped, p_at,
                  "la curva finisce a " + std::to_string(int64_t{p} + n) + " m, oltre la fine del modello (" +
                      std::to_string(m_.lunghezza_totale - 2) + " m): è tagliata lì",
                  p);
    }
    curve_end_ = std::max<int64_t>(curve_end_, int64_t{p} + n);
  }
  if (!path_->curve(p, n, *kappa)) return stop(ErrorCode::kBadCurve, row_place());
  ++s_.righe_lette.curve;
  return Next::kRow;
}

Next LineReader::mountain() {
  const int32_t inizio = in_.number();
  const Place at = value_place();
  const int32_t fine = in_.number();
  const Place fine_at = value_place();
  const int32_t tipo = in_.number();
  if (beyond_track(m_, inizio, 100)) return end_beyond_track(inizio, at);
  if (notes_) {
    const int64_t first = cell_of_stretch(inizio);
    notes_->off_grid(at, inizio, first, first * kCellMetres);
    if (fine % 50 != 0) {
      const int64_t last = static_cast<int64_t>(nearest_even(fine / 50.0 - 1.0));
      notes_->add(WarningKind::kPositionRounded, fine_at,
                  std::to_string(fine) + " m non è un multiplo di 50: il tratto finisce con la cella " +
                      std::to_string(last) + ", a " + std::to_string((last + 1) * kCellMetres) + " m",
                  fine, last);
    }
    if (inizio < 0 || fine / 50 > m_.numero_celle) {
      notes_->add(WarningKind::kPositionClipped, at, "il tratto esce dal modello: vale solo sulle sue celle", inizio);
    }
    if (m_.numero_montagne > 0 && int64_t{inizio} - m_.fini_montagna[static_cast<size_t>(m_.numero_montagne)] <=
                                      kCloseMountainGap) {
      notes_->add(WarningKind::kCloseMountain, at,
                  "il tratto inizia a meno di 150 m dalla fine del precedente: prende il tipo 3", inizio);
    }
  }
  memo_montagna(m_, inizio, fine, tipo);
  return Next::kRow;
}

Next LineReader::speed_indicator() {
  SpeedIndicator v;
  v.posizione = in_.number();
  const Place at = value_place();
  for (int32_t* value : {&v.vas, &v.vbs, &v.vcs, &v.strisces, &v.vad, &v.vbd, &v.vcd, &v.strisced}) {
    *value = in_.number();
  }
  if (object_beyond_track(v.posizione)) return end_beyond_track(v.posizione, at);
  const int64_t cell = cell_of_object(v.posizione);
  if (!memo_indicatori_v_max(m_, v)) {
    raise(ErrorCode::kIndicatorCellOccupied, at, v.posizione, cell);
    return Next::kStop;
  }
  if (notes_) {
    notes_->point(at, v.posizione, m_.lunghezza_totale - kModelExtension);
    notes_->cell_one(at, cell, "l'indicatore");
    const struct {
      const char* rank;
      int32_t right;
    } ranks[] = {{"A", v.vad}, {"B", v.vbd}, {"C", v.vcd}};
    for (const auto& r : ranks) {
      if (r.right % 5 == 0 && r.right >= 0 && r.right < 100) continue;
      notes_->add(WarningKind::kValueOverflow, at,
                  "la velocità destra " + std::to_string(r.right) + " km/h del rango " + r.rank +
                      " non si rilegge dalla cella, che tiene sinistra × 20 + destra / 5: vale solo un multiplo di 5 "
                      "sotto i 100 km/h",
                  v.posizione, cell);
    }
  }
  s_.origini.cella[static_cast<size_t>(cell)] = row_place();
  return Next::kRow;
}

// A direction sign: code 14 in its cell, its text in the next sign record
// (80 downward), whose index the cell keeps in valore1.
Next LineReader::sign() {
  const int32_t p = in_.number();
  const Place at = value_place();
  std::string text = in_.text();
  if (object_beyond_track(p)) return end_beyond_track(p, at);
  const int64_t i = cell_of_object(p);
  Cella& cell = m_.celle[static_cast<size_t>(i)];
  if (!is_free(cell)) {
    raise(ErrorCode::kSignCellOccupied, at, p, i);
    return Next::kStop;
  }
  if (m_.slot_cartello < 0) {
    throw ReadFailure{"il cartello indicatore n. " + std::to_string(kFirstSignSlot + 2) +
                      " non trova posto: i record dei cartelli sono " + std::to_string(kFirstSignSlot + 1)};
  }
  if (notes_) {
    notes_->point(at, p, m_.lunghezza_totale - kModelExtension);
    notes_->cell_one(at, i, "il cartello");
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
// Cells past the last one are passed over. A gradient that does not fit is
// the fault of the field that gave it.
void LineReader::fill_gradient(int64_t until) {
  do {
    if (gradient_cursor_ <= m_.numero_celle) {
      try {
        m_.celle[static_cast<size_t>(gradient_cursor_)].pendenza = checked<uint8_t>(int64_t{gradient_} + 100);
      } catch (ReadFailure& failure) {
        failure.detail = "la pendenza " + std::to_string(gradient_) + " non sta tra -100 e 155 per mille";
        failure.line = gradient_place_.line;
        failure.column = gradient_place_.column;
        throw;
      }
    }
    ++gradient_cursor_;
  } while (gradient_cursor_ < until);
}

// A point object must also land on a cell of the track (a negative position
// can put it before cell 0).
bool LineReader::object_beyond_track(int64_t p) const {
  return beyond_track(m_, p, 100) || !in_track(m_, cell_of_object(p));
}

void LineReader::raise(ErrorCode code, Place at, std::optional<int32_t> position, std::optional<int64_t> cell) {
  s_.errori.raise({code, Stage::kLineReading, at, position, cell, {}});
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
