// What the compiler accepts without an error but reads otherwise than an
// author would: a row whose keyword matches nothing, a value too many, a
// decimal comma, a position moved to the 50 m grid, and the like. The
// readers note them only when asked (CompilationState::diagnostic_mode); they never change
// what is compiled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/model/place.h"

namespace scenario {

enum class WarningKind : uint8_t {
  kUnknownKeyword,      // a first field that matches no row
  kUnknownSection,      // a header that ends the line's general section early
  kOutsideSection,      // a row in a section where it is not read
  kBeforeGeneral,       // text before "[generale]", never read
  kNoTrainData,         // a train description of which nothing is read: a fault of the check
  kExtraValues,         // values after those the row reads
  kDecimalComma,        // "8,5": the row reads 8, the 5 is passed over
  kCommaInText,         // a text cut at a comma
  kValuesFromNextLine,  // a row one value short takes the next line's first field
  kLastFieldUnread,     // a keyword that is the last field of the file
  kThirdSeparator,      // a third separator field in a row, read as a keyword
  kCurveSide,           // a curve keyword whose letters give the other direction, or two class digits
  kPositionRounded,     // a position off the 50 m grid, moved to its cell
  kPositionClipped,     // a position before the start or a stretch past the end of the model
  kBeyondLineEnd,       // an object past the end of the line, in the model's run-out
  kOutOfOrder,          // rows whose positions must rise and do not
  kCloseMountain,       // a mountain stretch too close behind the previous one: type 3
  kProgressivesCleared, // two progressives at the same largest position: all cleared
  kRouteLengthZero,     // a route length of 0 (or an empty field)
  kNotWindows1252,      // bytes that are not Windows-1252 text (a file saved as UTF-8)
  kFractionRounded,     // "4.5" read as 4
  kCommentComma,        // a row read from the part of a comment after its comma
  kStopOverObject,      // a station's stop cell replaces an object already there
  kHeaderCell,          // an object in cell 1, whose first values the header stamps take
  kValueOverflow,       // a board speed or a signal aspect the cell cannot hold apart
  kCurveDropped,        // a curve the geometry leaves out: no length, or wholly behind the one before
  kSeparatorRow,        // a row whose keyword field holds a "-" and is passed over as a separator
  kTimeUnreachable,     // a station's time earlier than the running-time estimate can arrive
  kTimeBackwards,       // a station's time before the time of a station earlier on the route
  kNoTimeToStop,        // a stop whose time leaves less than the estimate's dwell after arriving
};

// Each kind's name, which the check prints and an author names to silence
// it: stable, once published. `fault`: the check counts it as an error
// (it has no number of the builder's, whose report it never changes).
struct WarningName {
  WarningKind kind;
  std::string_view name;
  bool fault = false;
};

inline constexpr WarningName kWarningNames[] = {
    {WarningKind::kUnknownKeyword, "parola-sconosciuta"},
    {WarningKind::kUnknownSection, "sezione-sconosciuta"},
    {WarningKind::kOutsideSection, "fuori-sezione"},
    {WarningKind::kBeforeGeneral, "prima-di-generale"},
    {WarningKind::kNoTrainData, "nessun-treno", true},
    {WarningKind::kExtraValues, "valori-in-piu"},
    {WarningKind::kDecimalComma, "virgola-decimale"},
    {WarningKind::kCommaInText, "virgola-nel-testo"},
    {WarningKind::kValuesFromNextLine, "valori-dalla-riga-dopo"},
    {WarningKind::kLastFieldUnread, "ultimo-campo"},
    {WarningKind::kThirdSeparator, "separatore-in-piu"},
    {WarningKind::kCurveSide, "lato-curva"},
    {WarningKind::kPositionRounded, "posizione-arrotondata"},
    {WarningKind::kPositionClipped, "posizione-tagliata"},
    {WarningKind::kBeyondLineEnd, "oltre-la-linea"},
    {WarningKind::kOutOfOrder, "fuori-ordine"},
    {WarningKind::kCloseMountain, "montagna-vicina"},
    {WarningKind::kProgressivesCleared, "progressive-azzerate"},
    {WarningKind::kRouteLengthZero, "lunghezza-zero"},
    {WarningKind::kNotWindows1252, "codifica"},
    {WarningKind::kFractionRounded, "decimali"},
    {WarningKind::kCommentComma, "virgola-nel-commento"},
    {WarningKind::kStopOverObject, "fermata-su-oggetto"},
    {WarningKind::kHeaderCell, "cella-uno"},
    {WarningKind::kValueOverflow, "valore-troppo-grande"},
    {WarningKind::kCurveDropped, "curva-scartata"},
    {WarningKind::kSeparatorRow, "riga-come-separatore"},
    {WarningKind::kTimeUnreachable, "orario-irraggiungibile"},
    {WarningKind::kTimeBackwards, "orario-a-ritroso"},
    {WarningKind::kNoTimeToStop, "sosta-troppo-breve"},
};
static_assert(std::size(kWarningNames) == static_cast<size_t>(WarningKind::kNoTimeToStop) + 1);
static_assert([] {
  for (size_t i = 0; i < std::size(kWarningNames); ++i) {
    if (static_cast<size_t>(kWarningNames[i].kind) != i) return false;
  }
  return true;
}(), "kWarningNames follows the order of WarningKind");

inline const WarningName& warning_name(WarningKind kind) { return kWarningNames[static_cast<size_t>(kind)]; }

struct Warning {
  WarningKind kind{};
  Place place;
  std::string message;  // what was found and how it is read, in Italian
  std::optional<int32_t> position;
  std::optional<int64_t> cell;
};

}  // namespace scenario
