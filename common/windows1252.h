// The descriptions and the compiled files hold single-byte Windows-1252
// text; messages, JSON and pages are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace scenario {

// Converts Windows-1252 text to UTF-8; the five bytes that the code page
// leaves unassigned keep their Latin-1 code point.
std::string to_utf8(std::string_view text);

// An author's text as a message quotes it: in UTF-8, between « and ». An
// editor reads a line with two ASCII double quotes as naming a file between
// them, so a double quote of the author's is shown as the full-width ＂.
std::string quoted_utf8(std::string_view text);
// The same for a text already in UTF-8.
std::string quoted(std::string_view utf8);

// The length of the well-formed UTF-8 sequence of two bytes or more that
// starts at `at`, or 0.
size_t utf8_sequence(std::string_view text, size_t at);

// Whether `text` is UTF-8 throughout.
bool is_utf8(std::string_view text);

// What a file saved as UTF-8 may start with.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A file saved as UTF-8 rather than Windows-1252: it starts with the UTF-8
// mark, or it holds multi-byte sequences and no byte outside one. An editor
// shows it so, each sequence as one character.
bool saved_as_utf8(std::string_view bytes);

// A text as an editor shows it when it holds UTF-8 sequences: each of them
// as the letter it encodes, any other byte as Windows-1252.
std::string utf8_as_written(std::string_view text);

// The column (from 1) at which an editor showing `line` as UTF-8 puts the
// byte at `byte_column` (from 1): a sequence counts one.
int character_column(std::string_view line, int byte_column);

}  // namespace scenario
