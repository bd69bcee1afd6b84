// Sequential field input over a description file, the way both description
// readers consume their text (format in docs/formats.md):
//
// - A field ends at a comma or a line end (CR LF, LF or a lone CR); the
//   delimiter is consumed with the field. A numeric field also ends at a
//   blank, and blanks followed by a comma form a single delimiter.
// - Leading blanks (spaces, tabs) are dropped; a text field also loses its
//   trailing blanks and keeps the inner ones.
// - A number is an optional sign, digits, an optional decimal part and an
//   optional exponent, rounded to the nearest integer (ties to even) and
//   held in 32 bits; an empty numeric field is 0.
// - End of file is reached when no byte is left, so the last field of a file
//   that ends in a line end leaves the reader at end of file.
//
// Anything that cannot be read (not a number, out of range, past the end, a
// text over 65 535 bytes) throws ReadFailure, saying what was found.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scenario {

class FieldReader {
 public:
  explicit FieldReader(std::string bytes);

  bool eof() const { return pos_ >= bytes_.size(); }
  std::string text();
  int32_t number();

  // Line and column (from 1) where the field most recently read starts.
  int line() const { return field_line_; }
  int column() const { return field_column_; }
  // Fields started so far, the one that failed included.
  int fields_read() const { return fields_read_; }
  // Whether that field is the first of its line.
  bool first_on_line() const { return field_index_ == 0; }
  // Its text as it stands in the file, blanks around it dropped, and
  // whether it was read as a number.
  const std::string& last_field() const { return last_field_; }
  bool last_was_number() const { return last_was_number_; }

  // A number whose fraction was rounded away (`4.5` read as 4), noted while
  // `note_fractions` is set, for a diagnostic reading.
  struct Rounded {
    int line = 0;
    int column = 0;
    std::string text;
    int32_t value = 0;
  };
  void note_fractions() { note_fractions_ = true; }
  std::vector<Rounded> take_rounded() { return std::exchange(rounded_, {}); }

  // For a resumed reading: goes to the first line after `line` whose first
  // field satisfies `starts_row`, or to the end of the file.
  void resume_after(int line, const std::function<bool(std::string_view)>& starts_row);

 private:
  void skip_blanks();
  bool at_line_end() const;
  void consume_line_end();
  void start_field();
  void end_field(size_t begin, size_t end);
  void go_to_line(int line);
  std::string_view first_field_of_line() const;

  std::string bytes_;
  size_t pos_ = 0;
  int current_line_ = 1;
  std::vector<size_t> line_starts_{0};  // offset of each line's first byte reached so far
  int field_line_ = 0;
  int field_column_ = 0;
  int fields_on_line_ = 0;  // fields of the current line read so far
  int field_index_ = 0;     // of the field most recently read, in its line
  int fields_read_ = 0;
  std::string last_field_;
  bool last_was_number_ = false;
  bool note_fractions_ = false;
  std::vector<Rounded> rounded_;
};

// Parses a numeric field's text as the reader does; throws ReadFailure.
int32_t parse_number(const std::string& token);

}  // namespace scenario
