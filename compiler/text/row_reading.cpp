#include "compiler/text/row_reading.h"

#include <utility>

namespace scenario {

RowReading::RowReading(CompilationState& s, Description file, const std::string& bytes, std::vector<std::string_view> hints)
    : s_(s), file_(file), in_(bytes) {
  if (s.diagnostic_mode) notes_.emplace(s, file, bytes, std::move(hints), in_);
}

Next RowReading::read_rows(const Section& section, const Interpret& interpret, const Tell& tell) {
  std::vector<PassedOver> passed_over;
  while (true) {
    std::optional<Keyword> keyword = next_keyword(in_, section.separators, passed_over);
    if (notes_) notes_->passed_over(passed_over, section.resumes_at);
    if (!keyword) break;
    row_ = std::move(*keyword);
    reading_of(s_, file_).last_line = row_.line;
    bool matched = false;
    bool failed = false;
    Next next = Next::kRow;
    in_row_ = &section;
    try {
      next = interpret(Row(row_, in_, s_, file_, notes()), matched);
    } catch (const ReadFailure& failure) {
      if (!s_.diagnostic_mode) throw;
      raise_failure(failure);
      next = Next::kStop;
      failed = true;
    }
    in_row_ = nullptr;
    last_next_ = next;
    rows_matched_ += matched;
    // A row that failed is reported by its error, the lines it read into with it.
    if (notes_ && !failed && (!tell || tell(row_, matched))) {
      notes_->row(in_, row_, matched);
    }
    if (next != Next::kRow) {
      if (!s_.diagnostic_mode) return next;
      notes_->mark_reported(in_.line());
      in_.resume_after(row_.line, section.resumes_at);
      continue;
    }
    if (section.ends_section && section.ends_section(row_.text)) break;
  }
  return Next::kRow;
}

void RowReading::raise_failure(const ReadFailure& failure) {
  Place place = failure.line > 0 ? at(failure.line, failure.column) : here();
  ErrorFacts facts{.detail = failure.detail};
  if (failure.line == 0 && in_row_) {
    RowFailure in_row = failure_in_row(in_, row_, in_row_->columns(row_.text), failure.detail);
    facts.detail = std::move(in_row.detail);
    // A row short of values is at fault; the field it read is a second place.
    if (in_row.short_row) {
      facts.related_place = place;
      facts.related = std::move(in_row.related);
      place = at(row_.line, row_.column);
    }
  }
  s_.errors.raise(ErrorCode::kReadingFailure, reading_stage(file_), place, std::move(facts));
}

}  // namespace scenario
