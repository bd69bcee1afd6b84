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
  kBackgroundOne,
  kBackgroundTwo,
  kBackgroundThree,
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
  std::string_view columns;  // what each value is, in Italian, separated by "; "
  std::array<std::string_view, 2> spellings;
};

inline constexpr std::string_view kProgressiveColumns = "posizione in m; valore in m; segno (0 o 1)";

// "lunghezza percorso" and the rows of the main part ignore case; the other
// rows of the general section are matched exactly.
inline constexpr LineKeyword kLineKeywords[] = {
    {LineRow::kRouteLength, LineSection::kGeneral, {"lunghezza", "percorso", true}, "lunghezza in m",
     {"lunghezza percorso"}},
    {LineRow::kProgressiveTre, LineSection::kGeneral, {"tre", "progressiva"}, kProgressiveColumns,
     {"progressiva chilometrica tre"}},
    {LineRow::kProgressiveDue, LineSection::kGeneral, {"due", "progressiva"}, kProgressiveColumns,
     {"progressiva chilometrica due"}},
    {LineRow::kProgressiveUno, LineSection::kGeneral, {"uno", "progressiva"}, kProgressiveColumns,
     {"progressiva chilometrica uno"}},
    {LineRow::kBackgroundOne, LineSection::kGeneral, {"sfondo", "uno"}, "valore", {"sfondo uno"}},
    {LineRow::kBackgroundTwo, LineSection::kGeneral, {"sfondo", "due"}, "valore", {"sfondo due"}},
    {LineRow::kBackgroundThree, LineSection::kGeneral, {"sfondo", "tre"}, "valore", {"sfondo tre"}},
    {LineRow::kRepeatedSignals, LineSection::kGeneral, {"segnali", "ripetizione"},
     "prima distanza in m; seconda distanza in m", {"ripetizione segnali 4 codici"}},
    {LineRow::kGradient, LineSection::kMain, {"pendenza", {}, true}, "posizione in m; pendenza per mille",
     {"pendenza"}},
    {LineRow::kCurve, LineSection::kMain, {"curva", {}, true}, "inizio in m; lunghezza in m", {"curvas", "curvad"}},
    {LineRow::kMountain, LineSection::kMain, {"montagna", {}, true}, "inizio in m; fine in m; tipo", {"montagna"}},
    {LineRow::kSpeedIndicator, LineSection::kMain, {"indicatori_v", {}, true},
     "posizione in m; velocità A a sinistra; velocità B a sinistra; velocità C a sinistra; strisce a sinistra; "
     "velocità A a destra; velocità B a destra; velocità C a destra; strisce a destra",
     {"indicatori_vmax"}},
    {LineRow::kSign, LineSection::kMain, {"indicat", "cartello", true}, "posizione in m; testo",
     {"cartello_indicatore"}},
};

bool is_line_row(LineRow row, std::string_view field);

// Whether a field starts a row of `section`.
bool starts_line_row(std::string_view field, LineSection section);

// The columns of the first row of `section` a keyword field starts (none:
// empty).
std::string_view line_row_columns(std::string_view field, LineSection section);

// The section headers of the line description's layout.
inline constexpr std::string_view kLineSections[] = {"[generale]", "[curve]",       "[pendenze]", "[montagne]",
                                                     "[cartelli]", "[indicazioni]", "[fine]"};

// A section header of the line description's layout, in any case.
bool is_line_section(std::string_view field);

// Every row's keyword as an author writes it, in the table's order.
std::vector<std::string_view> line_keywords();

}  // namespace scenario
