// The rows of a line description, one table: how each keyword is
// recognised (a word searched anywhere inside the keyword field), the
// section it is read in, how many values it reads and how an author writes
// it, which is also the hint offered after a keyword that matches nothing.
// The reader tests every row of its section in the table's order; a field
// holding the words of two rows is both. docs/formats.md, "Line description".
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "compiler/text/rows.h"

namespace scenario {

// The general section comes first, up to the first section header; the
// main part follows it to the end of the file.
enum class LineSection : uint8_t { kGeneral, kMain };

enum class LineRow : uint8_t {
  kRouteLength,
  kProgressiveTre,
  kProgressiveDue,
  kProgressiveUno,
  kBackgroundUno,
  kBackgroundDue,
  kBackgroundTre,
  kRepeatedSignals,
  kGradient,
  kCurve,
  kMountain,
  kSpeedIndicator,
  kSign,
};

struct LineKeyword {
  LineRow row;
  LineSection section;
  KeywordTest test;
  int values;
  std::array<std::string_view, 2> spellings;
};

// "lunghezza percorso" and the rows of the main part ignore case; the other
// rows of the general section are matched exactly.
inline constexpr LineKeyword kLineKeywords[] = {
    {LineRow::kRouteLength, LineSection::kGeneral, {"lunghezza", "percorso", true}, 1, {"lunghezza percorso"}},
    {LineRow::kProgressiveTre, LineSection::kGeneral, {"tre", "progressiva"}, 3, {"progressiva chilometrica tre"}},
    {LineRow::kProgressiveDue, LineSection::kGeneral, {"due", "progressiva"}, 3, {"progressiva chilometrica due"}},
    {LineRow::kProgressiveUno, LineSection::kGeneral, {"uno", "progressiva"}, 3, {"progressiva chilometrica uno"}},
    {LineRow::kBackgroundUno, LineSection::kGeneral, {"sfondo", "uno"}, 1, {"sfondo uno"}},
    {LineRow::kBackgroundDue, LineSection::kGeneral, {"sfondo", "due"}, 1, {"sfondo due"}},
    {LineRow::kBackgroundTre, LineSection::kGeneral, {"sfondo", "tre"}, 1, {"sfondo tre"}},
    {LineRow::kRepeatedSignals, LineSection::kGeneral, {"segnali", "ripetizione"}, 2,
     {"ripetizione segnali 4 codici"}},
    {LineRow::kGradient, LineSection::kMain, {"pendenza", {}, true}, 2, {"pendenza"}},
    {LineRow::kCurve, LineSection::kMain, {"curva", {}, true}, 2, {"curvas", "curvad"}},
    {LineRow::kMountain, LineSection::kMain, {"montagna", {}, true}, 3, {"montagna"}},
    {LineRow::kSpeedIndicator, LineSection::kMain, {"indicatori_v", {}, true}, 9, {"indicatori_vmax"}},
    {LineRow::kSign, LineSection::kMain, {"indicat", "cartello", true}, 2, {"cartello_indicatore"}},
};

bool is_line_row(LineRow row, std::string_view field);

// Whether a field starts a row of `section`.
bool starts_line_row(std::string_view field, LineSection section);

// How many values the first row of `section` a keyword field starts reads
// (0 for none).
int line_row_values(std::string_view field, LineSection section);

// The section headers of the line description's layout.
inline constexpr std::string_view kLineSections[] = {"[generale]", "[curve]",       "[pendenze]", "[montagne]",
                                                     "[cartelli]", "[indicazioni]", "[fine]"};

// A section header of the line description's layout, in any case.
bool is_line_section(std::string_view field);

// Every row's keyword as an author writes it, in the table's order.
std::vector<std::string_view> line_keywords();

}  // namespace scenario
