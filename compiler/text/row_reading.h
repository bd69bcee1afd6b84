// The reading both description readers share: the field reader over one
// description, the notes of a diagnostic reading, and the loop over the
// keyword rows of a section, with what happens when a row fails or stops.
// Each reader says what its sections are and interprets each keyword field;
// the placements read the values through the `Row` they are handed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/state.h"
#include "compiler/text/field_reader.h"
#include "compiler/text/notes.h"
#include "compiler/text/read_failure.h"
#include "compiler/text/row.h"
#include "compiler/text/rows.h"

namespace scenario {

class RowReading {
 public:
  // `hints`: every row's keyword as an author writes it, for the hint after
  // a keyword that matches no row.
  RowReading(CompilationState& s, Description file, const std::string& bytes, std::vector<std::string_view> hints);

  // One section of a description: how its keyword fields are found, told
  // apart and read on after.
  struct Section {
    int separators;                              // separator fields passed over before a keyword field
    std::string_view (*columns)(std::string_view field);  // of the first row a keyword field starts
    bool (*resumes_at)(std::string_view field);  // a first field where a diagnostic reading reads on
    bool (*ends_section)(std::string_view field) = nullptr;  // a keyword field that closes the section
  };
  // Interprets one keyword field: reads the rows it starts, setting `matched`
  // when it starts at least one.
  using Interpret = std::function<Next(const Row& row, bool& matched)>;
  // What only the reader notes about a keyword field, before the notes every
  // row gets; false when the field is reported and nothing more is to be said.
  using Tell = std::function<bool(const Keyword& field, bool matched)>;

  // Reads the rows of `section` up to the end of the file, or up to a field
  // that closes it. The compilation proper returns at the first row that
  // does not go on (kStop, kEndOfRows) and lets a reading failure through; a
  // diagnostic reading raises the failure at its row, and after any row that
  // does not go on reads on from the next line whose first field starts a
  // row. kRow when the section was read to its end.
  Next read_rows(const Section& section, const Interpret& interpret, const Tell& tell = {});

  // Error 25 for `failure`: at the field at fault and, while a row's values
  // were being read, naming which value of which row.
  void raise_failure(const ReadFailure& failure);

  FieldReader& in() { return in_; }
  Notes* notes() { return notes_ ? &*notes_ : nullptr; }
  Place at(int line, int column) const { return {file_, line, column}; }
  Place here() const { return at(in_.line(), in_.column()); }
  // The last row read, and what it said; how many keyword fields started a row.
  const Keyword& last_row() const { return row_; }
  Next last_next() const { return last_next_; }
  int rows_matched() const { return rows_matched_; }

 private:
  CompilationState& s_;
  Description file_;
  FieldReader in_;
  std::optional<Notes> notes_;  // a diagnostic reading only
  Keyword row_;                 // the keyword field being interpreted
  const Section* in_row_ = nullptr;  // the section of row_, while its values are read
  Next last_next_ = Next::kRow;
  int rows_matched_ = 0;
};

// Tests a keyword field against the entries of a keyword table that
// `accepts`, in the table's order; each entry it matches is a row, read by
// `read(entry)`, until one does not go on. `matched` is set by the first.
template <class Entry, size_t N, class Accepts, class Read>
Next read_matching_rows(const Entry (&table)[N], std::string_view field, bool& matched, Accepts accepts, Read read) {
  const std::string lowered = lower_ascii(std::string(field));
  for (const Entry& entry : table) {
    if (!accepts(entry) || !entry.test.matches(field, lowered)) continue;
    matched = true;
    const Next next = read(entry);
    if (next != Next::kRow) return next;
  }
  return Next::kRow;
}

// An error about a whole description, not one of its rows (a missing or
// unreadable file, no "[generale]", no route length).
inline void raise_whole_file(CompilationState& s, Description file, ErrorCode code, std::string detail = {}) {
  s.errors.raise(code, reading_stage(file), Place{file, 0, 0}, {.detail = std::move(detail)});
}

// How the reading of a description ended, to be kept in `CompilationState`.
inline Reading& reading_of(CompilationState& s, Description file) {
  return file == Description::kLine ? s.line_reading : s.train_reading;
}

}  // namespace scenario
