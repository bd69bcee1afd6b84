// The warnings of a diagnostic reading (CompilationState::diagnostic_mode): what the rows
// of a description accept without an error but read otherwise than an
// author would. Both readers report each keyword field they read here, and
// each position they move or clip; the notes never change what is read.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/state.h"
#include "compiler/text/field_reader.h"
#include "compiler/text/rows.h"

namespace scenario {

class Notes {
 public:
  // `text`: the whole description, checked for bytes that are not
  // Windows-1252 text. `keywords`: the rows the reader knows, by the
  // keyword an author writes, for the hint after an unknown keyword.
  Notes(CompilationState& s, Description file, std::string_view text, std::vector<std::string_view> keywords,
        FieldReader& in);

  Place at(int line, int column) const { return {file_, line, column}; }
  Place here(const FieldReader& in) const { return at(in.line(), in.column()); }

  void add(WarningKind kind, Place place, std::string message, std::optional<int32_t> position = std::nullopt,
           std::optional<int64_t> cell = std::nullopt);

  // A row before the field holding "[generale]" (on an earlier line), never
  // read: a keyword followed by numbers. Free text there is a title or a
  // comment, keyword words and commas included.
  void before_general(const FieldReader& in, bool (*starts_row)(std::string_view));

  // A keyword field `row` has been interpreted, its values read from `in`:
  // `matched` when it started at least one row. Reports a first field that
  // matches nothing (a section header, which changes nothing, aside), the
  // values of the row before that stand after its last one, a row that read
  // on into the next line, and a separator field read as a keyword.
  void row(FieldReader& in, const Keyword& row, bool matched);

  // Separator fields passed over: one that starts a row (`starts_row`) and
  // is no comment ("--"), such as a row whose values were typed without
  // commas and hold a minus sign, is a row lost.
  void passed_over(const std::vector<PassedOver>& fields, bool (*starts_row)(std::string_view));

  // A line already reported (or whose row stopped the reading): the rest of
  // its fields are not reported again.
  void mark_reported(int line) { reported_lines_.insert(line); }

  // The end of the file: a keyword in its last field is never read.
  void last_field(const FieldReader& in, bool starts_row);

  // A point object placed in cell `cell`: the header stamps take cell 1.
  void cell_one(Place at, int64_t cell, std::string_view what);

  // A position `p` (metres) of a point object or a stretch that the model
  // moves to the 50 m grid: cell `cell`, which stands at `cell_metres`.
  void off_grid(Place at, int32_t p, int64_t cell, int64_t cell_metres);

  // A point object at `p`: off the grid, or past the end of the line
  // (`line_end` metres), in the model's run-out.
  void point(Place at, int32_t p, int32_t line_end);

  // A stretch attribute (`what`) changing at `p`: before the start, or off
  // the grid, or behind `furthest`, the furthest change of its kind so far.
  void stretch(Place at, int32_t p, std::optional<int32_t> furthest, std::string_view what);

 private:
  void scan_encoding(std::string_view text);
  std::string hint(std::string_view field) const;

  CompilationState& s_;
  Description file_;
  std::string_view text_;
  std::vector<std::string_view> keywords_;
  std::set<int> reported_lines_;  // lines whose remaining fields are not reported again
  int row_end_line_ = 0;          // the line where the last row's values ended
  Place row_place_;  // the last row's keyword field, and its text
  std::string row_keyword_;
  bool row_ended_on_number_ = false;
  std::string row_last_value_;
  int row_last_value_column_ = 0;
};

}  // namespace scenario
