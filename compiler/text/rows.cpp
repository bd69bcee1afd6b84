#include "compiler/text/rows.h"


#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "compiler/text/edit_distance.h"

namespace scenario {

std::string lower_ascii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

bool KeywordTest::matches(std::string_view field, std::string_view lowered) const {
  const std::string_view text = ignore_case ? lowered : field;
  return has(text, word) && (also.empty() || has(text, also));
}

bool KeywordTest::matches(std::string_view field) const {
  if (!ignore_case) return matches(field, field);
  return matches(field, lower_ascii(std::string(field)));
}

bool find_general_section(FieldReader& in, bool ignore_case) {
  while (!in.eof()) {
    std::string field = in.text();
    if (in.eof()) return false;
    if (ignore_case) field = lower_ascii(std::move(field));
    if (has(field, "[generale]")) return true;
  }
  return false;
}

std::optional<Keyword> near_general_section(const std::string& bytes) {
  constexpr std::string_view kGeneral = "[generale]";
  FieldReader in{bytes};
  while (!in.eof()) {
    const std::string field = in.text();
    if (!in.first_on_line() || field.empty() || field.front() != '[') continue;
    if (close_enough(edit_distance(lower_ascii(field), kGeneral, reach(kGeneral)), kGeneral)) {
      Keyword header;
      header.text = field;
      header.line = in.line();
      header.column = in.column();
      return header;
    }
  }
  return std::nullopt;
}

std::string near_general_words(const Keyword& near) {
  if (lower_ascii(near.text) == "[generale]") {
    return quoted_utf8(near.text) + " è l'ultimo campo del file, che non viene mai letto";
  }
  return "c'è " + quoted_utf8(near.text) + ": forse «[generale]»?";
}

std::optional<Keyword> next_keyword(FieldReader& in, int separators, std::vector<PassedOver>& passed_over) {
  passed_over.clear();
  if (in.eof()) return std::nullopt;
  std::string field = in.text();
  for (; static_cast<int>(passed_over.size()) < separators && !in.eof() && has(field, "-"); field = in.text()) {
    passed_over.push_back({std::move(field), in.line(), in.column(), in.first_on_line()});
  }
  if (in.eof()) return std::nullopt;
  const int skipped = static_cast<int>(passed_over.size());
  return Keyword{std::move(field), in.line(), in.column(), in.fields_read(), in.first_on_line(),
                 skipped == separators, skipped};
}

std::string_view column_name(std::string_view columns, int index) {
  for (int i = 1; i < index; ++i) {
    const size_t end = columns.find("; ");
    if (end == std::string_view::npos) return {};
    columns.remove_prefix(end + 2);
  }
  return columns.substr(0, columns.find("; "));
}

RowFailure failure_in_row(const FieldReader& in, const Keyword& row, std::string_view columns,
                          const std::string& detail) {
  const int value = in.fields_read() - row.fields_before;
  const int values = column_count(columns);
  std::string of_values = values > 0 ? " di " + std::to_string(values) : "";
  if (const std::string_view name = column_name(columns, value); !name.empty()) {
    of_values.append(" (").append(name).append(")");
  }
  const std::string keyword = quoted_utf8(row.text);
  if (in.line() > row.line) {
    std::string text = "alla riga " + keyword + " mancano valori: il valore " + std::to_string(value) + of_values +
                       " lo prende dalla riga " + std::to_string(in.line());
    // Blanks between the keyword and a digit: values typed without commas.
    if (row.text.find_first_of(" \t") != std::string::npos && row.text.find_first_of("0123456789") != std::string::npos) {
      text += "; i valori vanno separati da virgole, così " + keyword + " è letto tutto come parola chiave";
    }
    if (!row.first_on_line && row.separators > 0) {
      text += "; " + keyword + " viene dopo la virgola di un commento, e un commento non deve avere virgole";
    }
    return {true, text,
            "qui la riga " + keyword + " della riga " + std::to_string(row.line) + " prende il suo valore " +
                std::to_string(value) + ": " + detail};
  }
  return {false, "valore " + std::to_string(value) + of_values + " della riga " + keyword + ": " + detail, ""};
}

bool beyond_track(const TrackModel& m, int64_t position, int margin) {
  return (static_cast<double>(position) + margin) / 50.0 > m.last_cell;
}

bool object_beyond_track(const TrackModel& m, int64_t position) {
  return beyond_track(m, position, 100) || !in_track(m, cell_of_object(position));
}

}  // namespace scenario
