#include "compiler/text/notes.h"

#include <algorithm>
#include <utility>

#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "compiler/text/edit_distance.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

bool all_digits(std::string_view t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether a field's text reads as a number.
bool is_number(const std::string& t) {
  try {
    parse_number(t);
    return !t.empty();
  } catch (const ReadFailure&) {
    return false;
  }
}

// The fields after the one `in` has just read, on its line.
int fields_left_on_line(const FieldReader& in) {
  FieldReader probe = in;
  int n = 0;
  try {
    while (!probe.eof()) {
      probe.text();
      if (probe.line() != in.line()) break;
      ++n;
    }
  } catch (const ReadFailure&) {
  }
  return n;
}

// Whether the first field after the one `in` has just read, on its line,
// holds numbers: a row, not prose.
bool numbers_follow(const FieldReader& in) {
  FieldReader probe = in;
  try {
    if (probe.eof()) return false;
    const std::string field = probe.text();
    if (probe.line() != in.line() || field.empty()) return false;
    size_t at = 0;
    while (at < field.size()) {
      const size_t end = std::min(field.find_first_of(" \t", at), field.size());
      if (end > at) parse_number(field.substr(at, end - at));
      at = end + 1;
    }
    return true;
  } catch (const ReadFailure&) {
    return false;
  }
}

bool is_header(std::string_view t) { return t.size() >= 2 && t.front() == '[' && t.back() == ']'; }

// The field of a line that starts at `start`, blanks around it dropped.
std::string_view field_from(std::string_view text, size_t start) {
  size_t end = text.find_first_of(",\r\n", start);
  if (end == std::string_view::npos) end = text.size();
  std::string_view field = text.substr(start, end - start);
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
  return field;
}

}  // namespace

Notes::Notes(CompilationState& s, Description file, std::string_view text, std::vector<std::string_view> keywords,
             FieldReader& in)
    : s_(s), file_(file), text_(text), keywords_(std::move(keywords)) {
  scan_encoding(text);
  in.note_fractions();
}

void Notes::add(WarningKind kind, Place place, std::string message, std::optional<int32_t> position,
                std::optional<int64_t> cell) {
  s_.warnings.push_back({kind, place, std::move(message), position, cell});
}

// A file saved as UTF-8 holds each accented letter as two bytes or more,
// which the simulator reads as as many letters: each field that holds one is
// reported. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D and control characters are
// no text at all: the first of them is reported.
void Notes::scan_encoding(std::string_view text) {
  bool undefined_seen = false;
  bool field_reported = false;
  int line = 1;
  size_t line_start = 0;
  size_t field_start = 0;
  size_t i = 0;
  if (text.starts_with(kUtf8Mark)) {
    add(WarningKind::kNotWindows1252, at(1, 1), "il file comincia con il segno dei file UTF-8: va salvato in Windows-1252");
    i = field_start = kUtf8Mark.size();
  }
  for (; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == '\n' || (b == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++line;
      line_start = field_start = i + 1;
      field_reported = false;
      continue;
    }
    if (b == ',') {
      field_start = i + 1;
      field_reported = false;
      continue;
    }
    const int column = static_cast<int>(i - line_start) + 1;
    if (const size_t n = b >= 0x80 ? utf8_sequence(text, i) : 0) {
      if (!field_reported) {
        field_reported = true;
        const std::string_view field = field_from(text, field_start);
        add(WarningKind::kNotWindows1252, at(line, column),
            quoted(utf8_as_written(field)) + " è scritto in UTF-8 e si legge " + quoted_utf8(field) +
                ": il file va salvato in Windows-1252, dove ogni lettera è un byte");
      }
      i += n - 1;
      continue;
    }
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D ||
                           (b < 0x20 && b != '\t' && b != '\r') || b == 0x7F;
    if (undefined && !undefined_seen) {
      undefined_seen = true;
      add(WarningKind::kNotWindows1252, at(line, column),
          "il byte " + std::to_string(b) + " non è un carattere di testo in Windows-1252");
    }
  }
}

void Notes::before_general(const FieldReader& in, bool (*starts_row)(std::string_view)) {
  FieldReader lines{std::string(text_)};
  while (!lines.eof()) {
    const std::string field = lines.text();
    if (lines.line() >= in.line()) return;
    if (lines.first_on_line() && starts_row(field) && numbers_follow(lines)) {
      add(WarningKind::kBeforeGeneral, here(lines),
          quoted_utf8(field) + " viene prima di «[generale]»: la riga non viene letta");
    }
  }
}

std::string Notes::hint(std::string_view field) const {
  const std::string low = lower_ascii(std::string(field));
  // No keyword further than the longest reach can be offered, nor can it be
  // nearer than one that is: counting stops there.
  size_t longest_reach = 0;
  for (const std::string_view k : keywords_) longest_reach = std::max(longest_reach, reach(k));
  std::string_view best;
  size_t best_distance = longest_reach + 1;
  for (const std::string_view k : keywords_) {
    const size_t d = edit_distance(low, k, best_distance - 1);
    if (d < best_distance) best_distance = d, best = k;
  }
  if (best.empty() || !close_enough(best_distance, best)) return "";
  return "; forse " + quoted_utf8(best) + "?";
}

void Notes::row(FieldReader& in, const Keyword& row, bool matched) {
  const Place place = at(row.line, row.column);
  for (const FieldReader::Rounded& r : in.take_rounded()) {
    add(WarningKind::kFractionRounded, at(r.line, r.column),
        quoted_utf8(r.text) + " è letto come " + std::to_string(r.value) +
            ": i valori sono numeri interi, la parte decimale è arrotondata (alla cifra pari quando è mezza)");
  }
  if (matched && !row.first_on_line && row.separators > 0) {
    add(WarningKind::kCommentComma, place,
        "dopo la virgola di un commento, " + quoted_utf8(row.text) + " è letto come riga: un commento non deve avere virgole");
  }
  if (!row.first_on_line) {
    // A field after the values of the row before it, on the same line.
    if (row.line == row_end_line_ && reported_lines_.insert(row.line).second) {
      const bool no_blank = row.column == row_last_value_column_ + static_cast<int>(row_last_value_.size()) + 1;
      if (row_ended_on_number_ && no_blank && all_digits(row.text) && all_digits(row_last_value_)) {
        add(WarningKind::kDecimalComma, place,
            quoted_utf8(row_last_value_ + "," + row.text) + " è letto come " + row_last_value_ +
                ": la virgola separa i valori, i decimali vanno scritti col punto");
      } else if (!row_ended_on_number_ && is_number(row_last_value_)) {
        // The row's text took a number: the row has values too many.
        const int extra = 1 + fields_left_on_line(in);
        add(WarningKind::kExtraValues, row_place_,
            "la riga " + quoted_utf8(row_keyword_) + " ha " + std::to_string(extra) +
                (extra == 1 ? " valore in più" : " valori in più") + ": come testo prende " +
                quoted_utf8(row_last_value_) + ", e " + quoted_utf8(row.text) +
                (extra == 1 ? " resta fuori" : " e quel che segue restano fuori"));
      } else if (!row_ended_on_number_) {
        add(WarningKind::kCommaInText, place,
            "il testo si ferma alla virgola prima di " + quoted_utf8(row.text) + ": è letto solo " +
                quoted_utf8(row_last_value_));
      } else {
        add(WarningKind::kExtraValues, place,
            "valore in più: la riga ne legge meno, " + quoted_utf8(row.text) + " e quelli dopo non sono letti");
      }
    }
    if (!matched) return;
  }
  if (matched) {
    if (in.line() > row.line) {
      reported_lines_.insert(in.line());
      add(WarningKind::kValuesFromNextLine, place,
          "alla riga " + quoted_utf8(row.text) + " mancano valori: li prende dalla riga " + std::to_string(in.line()) +
              ", fino a " + quoted_utf8(in.last_field()) + ", che così non viene letta");
    }
    row_end_line_ = in.line();
    row_place_ = place;
    row_keyword_ = row.text;
    row_ended_on_number_ = in.last_was_number();
    row_last_value_ = in.last_field();
    row_last_value_column_ = in.column();
    return;
  }
  row_end_line_ = 0;
  if (reported_lines_.count(row.line) != 0 || row.text.empty()) return;
  if (row.after_separators && has(row.text, "-")) {
    add(WarningKind::kThirdSeparator, place,
        "dopo le righe di separazione ammesse di seguito, " + quoted_utf8(row.text) +
            " è letta come parola chiave (e non ne contiene)");
  } else if (!is_header(row.text)) {
    // A header changes nothing here: rows are read under any header, or
    // none (the line's general section, which a header ends, says so itself).
    add(WarningKind::kUnknownKeyword, place,
        quoted_utf8(row.text) + " non è una parola chiave: la riga non viene letta" + hint(row.text));
  }
  reported_lines_.insert(row.line);
}

void Notes::passed_over(const std::vector<PassedOver>& fields, bool (*starts_row)(std::string_view)) {
  for (const PassedOver& field : fields) {
    if (!field.first_on_line || field.text.front() == '-' || !starts_row(field.text)) continue;
    add(WarningKind::kSeparatorRow, at(field.line, field.column),
        quoted_utf8(field.text) + " contiene un «-» ed è saltato come riga di separazione: la riga non viene letta; "
        "i valori vanno separati da virgole");
  }
}

void Notes::last_field(const FieldReader& in, bool starts_row) {
  if (!starts_row) return;
  add(WarningKind::kLastFieldUnread, here(in),
      quoted_utf8(in.last_field()) + " è l'ultimo campo del file e non viene mai letto: la riga va seguita da «[fine]»");
}

void Notes::cell_one(Place place, int64_t cell, std::string_view what) {
  if (cell != 1) return;
  add(WarningKind::kHeaderCell, place,
      std::string(what) + " cade nella cella 1, i cui primi due valori prendono i valori di intestazione: "
      "se sono già occupati la compilazione è rifiutata, altrimenti vengono sovrascritti",
      std::nullopt, cell);
}

void Notes::off_grid(Place place, int32_t p, int64_t cell, int64_t cell_metres) {
  if (p % 50 == 0) return;
  add(WarningKind::kPositionRounded, place,
      std::to_string(p) + " m non è un multiplo di 50: la posizione va nella cella " + std::to_string(cell) +
          ", a " + std::to_string(cell_metres) + " m",
      p, cell);
}

void Notes::point(Place place, int32_t p, int32_t line_end) {
  const int64_t cell = cell_of_object(p);
  off_grid(place, p, cell, (cell - 1) * kCellMetres);
  if (p > line_end) {
    add(WarningKind::kBeyondLineEnd, place,
        std::to_string(p) + " m è oltre la fine della linea (" + std::to_string(line_end) +
            " m), nel tratto che il modello aggiunge dopo di essa",
        p, cell);
  }
}

void Notes::stretch(Place place, int32_t p, std::optional<int32_t> furthest, std::string_view what) {
  if (p < 0) {
    add(WarningKind::kPositionClipped, place,
        std::to_string(p) + " m è prima dell'inizio: " + std::string(what) + " vale dall'inizio del percorso", p);
  } else {
    const int64_t cell = cell_of_stretch(p);
    off_grid(place, p, cell, cell * kCellMetres);
  }
  if (furthest && p < *furthest) {
    add(WarningKind::kOutOfOrder, place,
        "le righe vanno in ordine di posizione: questa a " + std::to_string(p) + " m viene dopo una a " +
            std::to_string(*furthest) + " m, e " + std::string(what) + " vale solo dalla cella a cui è arrivata quella",
        p);
  }
}

}  // namespace scenario
