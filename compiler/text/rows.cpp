#include "compiler/text/rows.h"


#include "common/windows1252.h"
#include "compiler/model/numbers.h"

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

std::optional<Keyword> next_keyword(FieldReader& in, int separators) {
  if (in.eof()) return std::nullopt;
  std::string field = in.text();
  int skipped = 0;
  for (; skipped < separators && !in.eof() && has(field, "-"); ++skipped) field = in.text();
  if (in.eof()) return std::nullopt;
  return Keyword{std::move(field), in.line(), in.column(), in.fields_read(), in.first_on_line(),
                 skipped == separators, skipped};
}

std::string failure_in_row(const FieldReader& in, const Keyword& row, int values, const std::string& detail) {
  const int value = in.fields_read() - row.fields_before;
  std::string text = "valore " + std::to_string(value);
  if (values > 0) text += " di " + std::to_string(values);
  text.append(" della riga ").append(quoted_utf8(row.text)).append(": ").append(detail);
  if (in.line() > row.line && in.first_on_line()) {
    text += " (è il primo campo della riga " + std::to_string(in.line()) + ": alla riga mancano valori)";
  }
  return text;
}

bool beyond_track(const Modello& m, int64_t position, int margin) {
  return (static_cast<double>(position) + margin) / 50.0 > m.numero_celle;
}

bool object_beyond_track(const Modello& m, int64_t position) {
  return beyond_track(m, position, 100) || !in_track(m, cell_of_object(position));
}

}  // namespace scenario
