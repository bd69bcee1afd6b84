#include "compiler/text/field_reader.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }

constexpr size_t kMaxText = 65535;

// Sign, digits with an optional decimal part (at least one digit), optional
// exponent with its own sign and digits.
bool well_formed(const std::string& t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && is_digit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && is_digit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp_digits = 0;
    while (i < t.size() && is_digit(t[i])) ++i, ++exp_digits;
    if (exp_digits == 0) return false;
  }
  return i == t.size();
}

}  // namespace

int32_t parse_number(const std::string& token) {
  if (token.empty()) return 0;
  const auto not_a_number = [&] { return ReadFailure{quoted_utf8(token) + " non è un numero"}; };
  if (!well_formed(token)) throw not_a_number();
  // from_chars takes no leading '+' and ignores the locale.
  const size_t start = token[0] == '+' ? 1 : 0;
  double value = 0;
  const auto [end, ec] = std::from_chars(token.data() + start, token.data() + token.size(), value);
  if (ec == std::errc::result_out_of_range) throw ReadFailure{quoted_utf8(token) + " è fuori dall'intervallo dei numeri a 32 bit"};
  if (ec != std::errc{} || end != token.data() + token.size()) throw not_a_number();
  const double rounded = nearest_even(value);
  if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0) {
    throw ReadFailure{quoted_utf8(token) + " è fuori dall'intervallo dei numeri a 32 bit"};
  }
  return static_cast<int32_t>(rounded);
}

FieldReader::FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

void FieldReader::skip_blanks() {
  while (pos_ < bytes_.size() && is_blank(bytes_[pos_])) ++pos_;
}

bool FieldReader::at_line_end() const { return pos_ < bytes_.size() && is_line_end(bytes_[pos_]); }

void FieldReader::consume_line_end() {
  if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++current_line_;
  fields_on_line_ = 0;
  if (static_cast<size_t>(current_line_) > line_starts_.size()) line_starts_.push_back(pos_);
}

void FieldReader::start_field() {
  ++fields_read_;
  if (eof()) throw ReadFailure{"la riga finisce prima dei suoi valori: il file è finito"};
  skip_blanks();
  field_line_ = current_line_;
  field_column_ = static_cast<int>(pos_ - line_starts_[static_cast<size_t>(current_line_) - 1]) + 1;
  field_index_ = fields_on_line_++;
}

void FieldReader::end_field(size_t begin, size_t end) { last_field_.assign(bytes_, begin, end - begin); }

std::string FieldReader::text() {
  start_field();
  const size_t begin = pos_;
  while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !is_line_end(bytes_[pos_])) ++pos_;
  size_t end = pos_;
  while (end > begin && is_blank(bytes_[end - 1])) --end;
  if (end - begin > kMaxText) throw ReadFailure{"un testo di " + std::to_string(end - begin) + " byte supera i 65 535 ammessi"};
  end_field(begin, end);
  last_was_number_ = false;
  std::string field = last_field_;
  if (pos_ < bytes_.size()) {
    if (bytes_[pos_] == ',') {
      ++pos_;
    } else {
      consume_line_end();
    }
  }
  return field;
}

int32_t FieldReader::number() {
  start_field();
  const size_t begin = pos_;
  while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !is_blank(bytes_[pos_]) &&
         !is_line_end(bytes_[pos_]))
    ++pos_;
  end_field(begin, pos_);
  last_was_number_ = true;
  const std::string& token = last_field_;
  // Blanks after the number, then at most one comma or line end: a blank
  // followed by another number on the same line is itself the delimiter.
  skip_blanks();
  if (pos_ < bytes_.size()) {
    if (bytes_[pos_] == ',') {
      ++pos_;
    } else if (at_line_end()) {
      consume_line_end();
    }
  }
  const int32_t value = parse_number(token);
  if (note_fractions_ && token.find_first_of(".eE") != std::string::npos) {
    double exact = 0;
    std::from_chars(token.data() + (token[0] == '+'), token.data() + token.size(), exact);
    if (exact != value) rounded_.push_back({field_line_, field_column_, token, value});
  }
  return value;
}

void FieldReader::go_to_line(int line) {
  while (static_cast<size_t>(line) > line_starts_.size() && !eof()) {
    while (!eof() && !at_line_end()) ++pos_;
    if (!eof()) consume_line_end();
  }
  if (static_cast<size_t>(line) > line_starts_.size()) return;  // past the last line: at the end
  pos_ = line_starts_[static_cast<size_t>(line) - 1];
  current_line_ = line;
  fields_on_line_ = 0;
}

std::string_view FieldReader::first_field_of_line() const {
  size_t begin = pos_;
  while (begin < bytes_.size() && is_blank(bytes_[begin])) ++begin;
  size_t end = begin;
  while (end < bytes_.size() && bytes_[end] != ',' && !is_line_end(bytes_[end])) ++end;
  while (end > begin && is_blank(bytes_[end - 1])) --end;
  return std::string_view(bytes_).substr(begin, end - begin);
}

void FieldReader::resume_after(int line, const std::function<bool(std::string_view)>& starts_row) {
  go_to_line(line + 1);
  while (!eof() && !starts_row(first_field_of_line())) go_to_line(current_line_ + 1);
}

}  // namespace scenario
