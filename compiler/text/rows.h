// The rules both description readers share: how a keyword field is found
// and recognised, the search for "[generale]", separator fields, the range
// check of a position, and how a row leaves the reading.
// docs/formats.md, "Fields of a description file".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/model.h"
#include "compiler/text/field_reader.h"

namespace scenario {

// A separator field passed over before a keyword field.
struct PassedOver {
  std::string text;
  int line = 0;
  int column = 0;
  bool first_on_line = true;
};

// A keyword field and where it starts.
struct Keyword {
  std::string text;
  int line = 0;
  int column = 0;
  int fields_before = 0;      // fields the reader had started before its values
  bool first_on_line = true;  // the first field of its line
  bool after_separators = false;  // read after as many separator fields as may be passed over
  int separators = 0;             // separator fields passed over before it
};

// How a row leaves the reading.
enum class Next {
  kRow,        // go on with the next keyword field
  kEndOfRows,  // no more rows (error 15): the closing fills and checks still run
  kStop,       // an error that ends the reading at once
};

// A keyword is recognised by a word anywhere inside the field.
inline bool has(std::string_view field, std::string_view word) { return field.find(word) != std::string_view::npos; }

// ASCII letters lower-cased: the keywords are plain ASCII, so ignoring case
// needs no locale.
std::string lower_ascii(std::string text);

// How one row's keyword is recognised: its word, and a second word when it
// has one, each anywhere inside the keyword field, exactly or in any case.
struct KeywordTest {
  std::string_view word;
  std::string_view also = {};
  bool ignore_case = false;

  // `lowered`: the field with its ASCII letters lower-cased, for a caller
  // that tests one field against a whole table.
  bool matches(std::string_view field, std::string_view lowered) const;
  bool matches(std::string_view field) const;
};

// Passes over every field up to the one containing "[generale]" (in any
// case when `ignore_case`). False when the end of the file comes first, or
// with that field: the last field of a file is never interpreted.
bool find_general_section(FieldReader& in, bool ignore_case);

// When a description has no "[generale]": the first field that starts a
// line and is nearly it (a typo, or the wrong case where case counts), for
// a fault reported there with a hint.
std::optional<Keyword> near_general_section(const std::string& bytes);

// What is said of that field: that it is the file's last field when it is
// "[generale]" itself, else the hint "forse "[generale]"?".
std::string near_general_words(const Keyword& near);

// The next keyword field, passing over up to `separators` fields that hold
// a "-". Nothing at the end of the file: the file's last field is never
// interpreted, wherever it is read.
// `passed_over` receives the separator fields passed over, the file's last
// field aside.
std::optional<Keyword> next_keyword(FieldReader& in, int separators, std::vector<PassedOver>& passed_over);

// A row's columns, as the keyword tables give them: what each value is,
// separated by "; ". How many, and the one at `index` (from 1; empty past
// the last).
constexpr int column_count(std::string_view columns) {
  if (columns.empty()) return 0;
  int n = 1;
  for (const char c : columns) n += c == ';';
  return n;
}
std::string_view column_name(std::string_view columns, int index);

// How a reading failure among the values of `row`, whose `columns` are
// given, is reported. A value read from a later line means the row is short
// of values: the fault is the row's, and where the value was taken from is
// a second place.
struct RowFailure {
  bool short_row = false;
  std::string detail;   // which value of which row, and what was found
  std::string related;  // a short row: what stands where its value was taken from
};
RowFailure failure_in_row(const FieldReader& in, const Keyword& row, std::string_view columns,
                          const std::string& detail);

// The range check of every positioned row: true when (position + margin) /
// 50, in double precision, lies past the last cell.
bool beyond_track(const TrackModel& m, int64_t position, int margin);

// True when `cell` is an index of `celle`.
inline bool in_track(const TrackModel& m, int64_t cell) { return cell >= 0 && cell <= m.last_cell; }

// The range check of a point object: it must also land on a cell of the
// track (a negative position can put it before cell 0).
bool object_beyond_track(const TrackModel& m, int64_t position);

}  // namespace scenario
