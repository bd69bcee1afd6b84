// The pieces of text the driver's sheets are made of: a text centred in its
// cell or cut to it, a terminal's name as the card's title writes it, clock
// times and kilometres, and the sheets' lines, Windows-1252 with CR LF after
// each. A byte is a column: the sheets are single-byte text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// What a sheet had to change to be laid out (a text cut to its cell), in
// Italian, one sentence each, for the author's terminal.
using SheetWarnings = std::vector<std::string>;

// The bytes of one sheet and what was changed to lay it out.
struct SheetText {
  std::string bytes;
  SheetWarnings warnings;
};

// Where the spare column goes when a text cannot stand exactly in the middle
// of its cell: the card's times put it before, every other cell after.
enum class SpareColumn { kAfter, kBefore };

// `text` in the middle of `width` columns, padded with spaces; a text as wide
// or wider is returned whole.
std::string centred(std::string_view text, size_t width, SpareColumn spare = SpareColumn::kAfter);

// The mark that ends a text cut to fit its cell, so that the reader sees it
// was cut.
inline constexpr char kCutMark = '~';

// `text` when it fits `width` columns, else its first width - 1 bytes, less
// the spaces they end with, and the mark.
std::string cut_to(std::string_view text, size_t width);

// The warning for `text`, written as `written` to fit the `width` columns of
// `where` (Italian: "la colonna delle località della scheda treno").
std::string cut_warning(std::string_view text, std::string_view written, size_t width, std::string_view where);

// cut_to, with its warning in `warnings` when the text was cut.
std::string fitted(std::string_view text, size_t width, std::string_view where, SheetWarnings& warnings);

// A capital at the start of each word and small letters after it, in
// Windows-1252: "MONTEBRISCA" is "Montebrisca", "CORTE VALSIO" "Corte
// Valsio", "S. MARTINO D.F." "S. Martino D.F.". A word starts after a space,
// a hyphen, an apostrophe or a full stop.
std::string title_case(std::string_view text);

// A line metre in kilometres with three decimals: 92150 is "92.150", -200
// "-0.200".
std::string kilometre_text(int64_t line_metre);

// Seconds since a midnight as the sheets write a time, "23.50": rounded to
// the nearest minute (half a minute up), the day dropped (87720 is "00.22").
std::string clock_minutes(double seconds);

// A UTF-8 text (a command's option) in Windows-1252; nothing when it is not
// UTF-8 or holds a character the code page lacks or a control character.
std::optional<std::string> windows1252_from_utf8(std::string_view utf8);

// A row of a table laid out as writers/sheet_layout.h declares, each cell
// cut to its column (a cell that matters was fitted, with its warning,
// before).
std::string table_row(std::span<const size_t> widths, const std::vector<std::string>& cells);

// The lines, each followed by CR LF.
std::string crlf_text(const std::vector<std::string>& lines);

}  // namespace scenario
