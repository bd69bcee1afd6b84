// Reads a line description top to bottom: the fields before "[generale]",
// the general section, then the main part up to the end of the file, then
// the closing fills. Each row is read and placed by its own file; this one
// only finds the rows and hands them on. docs/formats.md, "Line
// description", describes every row.
#include "compiler/line/line_reader.h"

#include <optional>

#include "common/windows1252.h"
#include "compiler/line/curves.h"
#include "compiler/line/general_rows.h"
#include "compiler/line/gradients.h"
#include "compiler/line/line_keywords.h"
#include "compiler/line/mountains.h"
#include "compiler/line/signs.h"
#include "compiler/line/speed_indicators.h"
#include "compiler/text/row_reading.h"

namespace scenario {
namespace {

// A field holding "[" and "]", not a separator, closes the general section.
bool is_section_header(std::string_view w) { return has(w, "[") && has(w, "]") && w.front() != '-'; }

bool starts_general_row(std::string_view f) { return starts_line_row(f, LineSection::kGeneral); }
bool starts_main_row(std::string_view f) { return starts_line_row(f, LineSection::kMain); }

// Up to ten separator fields may stand before a keyword of the general
// section, two before one of the main part.
const RowReading::Section kGeneralSection{
    10, [](std::string_view f) { return line_row_columns(f, LineSection::kGeneral); },
    [](std::string_view f) { return starts_general_row(f) || has(f, "["); }, is_section_header};
const RowReading::Section kMainSection{
    2, [](std::string_view f) { return line_row_columns(f, LineSection::kMain); }, starts_main_row};

// The start of the reading, done whether or not the file exists.
void start_reading(CompilationState& s) {
  TrackModel& m = s.model;
  m.indice_svolta = 0;
  m.record[kScenarioSlot].nome_punto = s.nome;
  m.record[kTrainSlot].nome_punto = s.treno;
  m.next_sign_slot = kFirstSignSlot;
  m.mountain_count = 0;
}

class LineReader {
 public:
  LineReader(CompilationState& s, const std::string& bytes)
      : s_(s), bytes_(bytes), reading_(s, Description::kLine, bytes, line_keywords()) {}

  ReadingEnd read();

 private:
  Next read_section(LineSection section);
  Next interpret(const Row& row, LineSection section, bool& matched);
  Next read_row(LineRow kind, const Row& row);
  bool tell(const Keyword& field, LineSection section, bool matched);

  bool raise_no_general_section();

  CompilationState& s_;
  const std::string& bytes_;
  RowReading reading_;
  GeneralRows general_;
  Gradients gradients_;
  std::optional<Curves> curves_;  // only when the geometry is built
};

ReadingEnd LineReader::read() {
  FieldReader& in = reading_.in();
  Notes* notes = reading_.notes();
  try {
    const bool general = find_general_section(in, true);
    if (!general && !raise_no_general_section()) return ReadingEnd::kStopped;
    if (notes && general) notes->before_general(in, [](std::string_view f) { return starts_general_row(f) || starts_main_row(f); });
    if (read_section(LineSection::kGeneral) == Next::kStop) return ReadingEnd::kStopped;
    general_.order_progressives(s_, notes);

    // Every row of the main part and the closing fills use the model. A
    // diagnostic reading that already raised the error that left none reads
    // on over a stand-in.
    if (!general_.model_created()) {
      if (!s_.diagnostic_mode || s_.errors.empty()) {
        throw ReadFailure{"manca la riga «lunghezza percorso» prima della fine della sezione generale"};
      }
      create_stand_in_track(s_);
    }
    if (s_.build_geometry) curves_.emplace(s_.model);
    if (read_section(LineSection::kMain) == Next::kStop) return ReadingEnd::kStopped;
    if (notes) notes->last_field(in, starts_main_row(in.last_field()));

    gradients_.fill_to_end(s_.model);
    if (curves_) curves_->finish(s_.model);
    return ReadingEnd::kCompleted;
  } catch (const ReadFailure& failure) {
    reading_.raise_failure(failure);
    return ReadingEnd::kReadingFailure;
  }
}

// At the header that is nearly "[generale]" when there is one, from which a
// diagnostic reading then reads on as if it were it (true).
bool LineReader::raise_no_general_section() {
  const std::optional<Keyword> near = near_general_section(bytes_);
  if (!near) {
    raise_whole_file(s_, Description::kLine, ErrorCode::kNoGeneralSection);
    return false;
  }
  s_.errors.raise(ErrorCode::kNoGeneralSection, Stage::kLineReading, reading_.at(near->line, near->column),
                  {.detail = near_general_words(*near)});
  if (!s_.diagnostic_mode) return false;
  reading_.in().resume_after(near->line, [](std::string_view) { return true; });
  return true;
}

Next LineReader::read_section(LineSection section) {
  return reading_.read_rows(
      section == LineSection::kGeneral ? kGeneralSection : kMainSection,
      [&](const Row& row, bool& matched) { return interpret(row, section, matched); },
      [&](const Keyword& field, bool matched) { return tell(field, section, matched); });
}

// Every row of the section is tested, in the table's order: a field holding
// the words of two rows reads the values of both. Curves are rows only when
// the geometry is built; otherwise their values are read as fields that
// match nothing.
Next LineReader::interpret(const Row& row, LineSection section, bool& matched) {
  return read_matching_rows(
      kLineKeywords, row.keyword.text, matched,
      [&](const LineKeyword& k) { return k.section == section && (k.row != LineRow::kCurve || curves_); },
      [&](const LineKeyword& k) { return read_row(k.row, row); });
}

Next LineReader::read_row(LineRow kind, const Row& row) {
  switch (kind) {
    case LineRow::kRouteLength:
      return general_.read_route_length(row);
    case LineRow::kProgressiveTre:
      general_.read_progressive(row, kFirstProgressiveSlot);
      return Next::kRow;
    case LineRow::kProgressiveDue:
      general_.read_progressive(row, kFirstProgressiveSlot + 1);
      return Next::kRow;
    case LineRow::kProgressiveUno:
      general_.read_progressive(row, kFirstProgressiveSlot + 2);
      return Next::kRow;
    case LineRow::kBackgroundOne:
      general_.read_background(row, &Record::inizio_zona);
      return Next::kRow;
    case LineRow::kBackgroundTwo:
      general_.read_background(row, &Record::posizione_punto);
      return Next::kRow;
    case LineRow::kBackgroundThree:
      general_.read_background(row, &Record::fine_zona);
      return Next::kRow;
    case LineRow::kRepeatedSignals:
      return general_.read_repeated_signals(row);
    case LineRow::kGradient:
      return gradients_.read_row(row);
    case LineRow::kCurve:
      return curves_->read_row(row);
    case LineRow::kMountain:
      return read_mountain_row(row);
    case LineRow::kSpeedIndicator:
      return read_speed_indicator_row(row);
    case LineRow::kSign:
      return read_sign_row(row);
  }
  return Next::kRow;
}

// What only the line description's sections tell about a keyword field.
bool LineReader::tell(const Keyword& field, LineSection section, bool matched) {
  Notes& notes = *reading_.notes();
  const bool general = section == LineSection::kGeneral;
  // Without the geometry a curve row and its values are left unread on
  // purpose.
  if (!general && !curves_ && is_line_row(LineRow::kCurve, field.text)) {
    notes.mark_reported(field.line);
    return false;
  }
  if (matched || !field.first_on_line) return true;
  const Place place = reading_.at(field.line, field.column);
  if (general && is_section_header(field.text) && !is_line_section(field.text)) {
    notes.add(WarningKind::kUnknownSection, place,
              "l'intestazione sconosciuta " + quoted_utf8(field.text) +
                  " chiude la sezione generale: le sue righe che seguono non sono lette");
    notes.mark_reported(field.line);
  } else if (general ? starts_main_row(field.text) : starts_general_row(field.text)) {
    notes.add(WarningKind::kOutsideSection, place,
              quoted_utf8(field.text) + " non è letta qui: " +
                  (general ? "la sezione generale finisce alla prima intestazione che la segue, e solo dopo"
                             " si leggono le righe del tracciato"
                           : "vale solo nella sezione generale, prima della prima intestazione"));
    notes.mark_reported(field.line);
  }
  return true;
}

}  // namespace

void read_line(CompilationState& s, const DescriptionText& text) {
  start_reading(s);
  switch (text.found) {
    case DescriptionText::Found::kMissing:
      raise_whole_file(s, Description::kLine, ErrorCode::kMissingLineDescription);
      s.line_reading.end = ReadingEnd::kNotRead;
      return;
    case DescriptionText::Found::kUnreadable:
      raise_whole_file(s, Description::kLine, ErrorCode::kReadingFailure, "il file non si può leggere");
      s.line_reading.end = ReadingEnd::kReadingFailure;
      return;
    case DescriptionText::Found::kRead:
      break;
  }
  s.line_reading.end = LineReader(s, text.bytes).read();
}

}  // namespace scenario
