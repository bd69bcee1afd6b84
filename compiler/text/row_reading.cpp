#include "compiler/text/row_reading.h"

#include <utility>

namespace scenario {

RowReading::RowReading(Stato& s, Description file, const std::string& bytes, std::vector<std::string_view> hints)
    : s_(s), file_(file), in_(bytes) {
  if (s.diagnostica) notes_.emplace(s, file, bytes, std::move(hints), in_);
}

Next RowReading::read_rows(const Section& section, const Interpret& interpret, const Tell& tell) {
  while (std::optional<Keyword> keyword = next_keyword(in_, section.separators)) {
    row_ = std::move(*keyword);
    reading_of(s_, file_).last_line = row_.line;
    bool matched = false;
    bool failed = false;
    Next next = Next::kRow;
    in_row_ = &section;
    try {
      next = interpret(Row(row_, in_, s_, file_, notes()), matched);
    } catch (const ReadFailure& failure) {
      if (!s_.diagnostica) throw;
      raise_failure(failure);
      next = Next::kStop;
      failed = true;
    }
    in_row_ = nullptr;
    last_next_ = next;
    rows_matched_ += matched;
    // A row that failed is reported by its error, the lines it read into with it.
    if (notes_ && !failed && (!tell || tell(row_, matched))) {
      notes_->row(in_, row_, matched, section.header_known);
    }
    if (next != Next::kRow) {
      if (!s_.diagnostica) return next;
      notes_->mark_reported(in_.line());
      in_.resume_after(row_.line, section.resumes_at);
      continue;
    }
    if (section.ends_section && section.ends_section(row_.text)) break;
  }
  return Next::kRow;
}

void RowReading::raise_failure(const ReadFailure& failure) {
  const bool elsewhere = failure.line > 0;
  const Place place = elsewhere ? at(failure.line, failure.column) : here();
  std::string detail = in_row_ && !elsewhere ? failure_in_row(in_, row_, in_row_->values(row_.text), failure.detail)
                                             : failure.detail;
  s_.errori.raise(ErrorCode::kReadingFailure, reading_stage(file_), place, {.detail = std::move(detail)});
}

}  // namespace scenario
