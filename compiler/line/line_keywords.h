// The rows of a line description and how their keywords are recognised: a
// word searched anywhere inside the keyword field. The reader tests every
// row of its section in this order; a field holding the words of two rows is
// both. docs/formats.md, "Line description".
#pragma once

#include <string_view>
#include <vector>

namespace scenario {

// Rows of the general section; "lunghezza percorso" ignores case, the
// others are matched exactly.
enum class GeneralRow {
  kRouteLength,
  kProgressiveTre,
  kProgressiveDue,
  kProgressiveUno,
  kBackgroundUno,
  kBackgroundDue,
  kBackgroundTre,
  kRepeatedSignals,
};

// Rows of the main part; all ignore case (`lowered` is the field with its
// ASCII letters lower-cased).
enum class MainRow { kGradient, kCurve, kMountain, kSpeedIndicator, kSign };

bool is_general_row(GeneralRow row, std::string_view field);
bool is_main_row(MainRow row, std::string_view lowered);

// Whether a field starts a row of the general section, or of the main part.
bool starts_general_row(std::string_view field);
bool starts_main_row(std::string_view field);

// How many values the first row a keyword field starts reads (0 for none).
int line_row_values(std::string_view field, bool general);

// A section header of the line description's layout.
bool is_line_section(std::string_view field);

// Every row's keyword as an author writes it.
const std::vector<std::string_view>& line_keywords();

}  // namespace scenario
