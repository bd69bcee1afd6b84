// The rules both description readers share: how a keyword field is found
// and recognised, the search for "[generale]", separator fields, the range
// check of a position, and how a row leaves the reading.
// docs/formats.md, "Fields of a description file".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/model/model.h"
#include "compiler/text/field_reader.h"

namespace scenario {

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

// The next keyword field, passing over up to `separators` fields that hold
// a "-". Nothing at the end of the file: the file's last field is never
// interpreted, wherever it is read.
std::optional<Keyword> next_keyword(FieldReader& in, int separators);

// The detail of a reading failure among the values of `row`, a row of
// `values` values: which value, what was found, and when the value came from
// the next line, that the row is one value short.
std::string failure_in_row(const FieldReader& in, const Keyword& row, int values, const std::string& detail);

// The range check of every positioned row: true when (position + margin) /
// 50, in double precision, lies past the last cell.
bool beyond_track(const Modello& m, int64_t position, int margin);

// True when `cell` is an index of `celle`.
inline bool in_track(const Modello& m, int64_t cell) { return cell >= 0 && cell <= m.numero_celle; }

// The range check of a point object: it must also land on a cell of the
// track (a negative position can put it before cell 0).
bool object_beyond_track(const Modello& m, int64_t position);

}  // namespace scenario
