// What the compiler accepts without an error but reads otherwise than an
// author would: a row whose keyword matches nothing, a value too many, a
// decimal comma, a position moved to the 50 m grid, and the like. The
// readers note them only when asked (Stato::diagnostica); they never change
// what is compiled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

#include "compiler/model/place.h"

namespace scenario {

enum class WarningKind : uint8_t {
  kUnknownKeyword,      // a first field that matches no row
  kUnknownSection,      // a section header the reader does not know, or that ends a section early
  kOutsideSection,      // a row in a section where it is not read
  kBeforeGeneral,       // text before "[generale]", never read
  kNoTrainData,         // a train description of which nothing is read
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
};

// Every kind, for the tests that hold each kind to a case.
inline constexpr WarningKind kWarningKinds[] = {
    WarningKind::kUnknownKeyword,
    WarningKind::kUnknownSection,
    WarningKind::kOutsideSection,
    WarningKind::kBeforeGeneral,
    WarningKind::kNoTrainData,
    WarningKind::kExtraValues,
    WarningKind::kDecimalComma,
    WarningKind::kCommaInText,
    WarningKind::kValuesFromNextLine,
    WarningKind::kLastFieldUnread,
    WarningKind::kThirdSeparator,
    WarningKind::kCurveSide,
    WarningKind::kPositionRounded,
    WarningKind::kPositionClipped,
    WarningKind::kBeyondLineEnd,
    WarningKind::kOutOfOrder,
    WarningKind::kCloseMountain,
    WarningKind::kProgressivesCleared,
    WarningKind::kRouteLengthZero,
    WarningKind::kNotWindows1252,
    WarningKind::kFractionRounded,
    WarningKind::kCommentComma,
    WarningKind::kStopOverObject,
    WarningKind::kHeaderCell,
    WarningKind::kValueOverflow,
};
static_assert(std::size(kWarningKinds) == static_cast<size_t>(WarningKind::kValueOverflow) + 1);

struct Warning {
  WarningKind kind{};
  Place place;
  std::string message;  // what was found and how it is read, in Italian
  std::optional<int32_t> position;
  std::optional<int64_t> cell;
};

}  // namespace scenario
