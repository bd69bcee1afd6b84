// Every error number a compilation raises, with its name and its meaning,
// and the record of one raised error. The list of a compilation's errors
// (RaisedErrors) keeps them in the order raised; the builder's
// `codice_errore` and `posizione_errore` are read off that list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/place.h"

namespace scenario {

enum class ErrorCode : int32_t {
  kRouteTooLong = 1,
  kProgressiveOffGrid = 2,
  kRepeatStartOffGrid = 3,
  kRepeatEndOffGrid = 4,
  kRepeatCodeMissing = 5,
  kSignCellOccupied = 6,
  kReductionCellOccupied = 7,
  kStationOffGrid = 8,
  kStationLengthOffGrid = 9,
  kTooManyStations = 10,
  kNoRoomBeforeSignal = 11,
  kApproachGroupFull = 12,
  kNoRoomForSlowdownMarker = 13,
  kBeyondTrack = 15,
  kSignalCellOccupied = 16,
  kWarningCellOccupied = 17,
  kSlowdownStartOccupied = 18,
  kSlowdownEndOccupied = 19,
  kApproachCellsOccupied = 20,
  kIndicatorCellOccupied = 21,
  kStationsTooClose = 22,
  kStopCellAtStart = 24,
  kReadingFailure = 25,
  kMissingLineDescription = 101,
  kNoGeneralSection = 102,
  kBadCurve = 103,
  kHeaderValuesInUse = 1250,
  kHeaderCodesInUse = 1251,
};

inline int32_t number(ErrorCode code) { return static_cast<int32_t>(code); }

// One sentence, in Italian, for an error number; a generic sentence for a
// number no compilation raises.
std::string_view error_meaning(int32_t number);

// Every number a compilation raises, in the order of the table.
std::vector<ErrorCode> error_codes();

// The errors of the header check: they refuse the whole model and are not
// recorded in `codice_errore`.
inline bool is_header_fault(ErrorCode code) {
  return code == ErrorCode::kHeaderValuesInUse || code == ErrorCode::kHeaderCodesInUse;
}

// What raised an error.
enum class Stage : uint8_t { kLineReading, kTrainReading, kRouteWalk, kHeaderCheck };

// The stage that reads a description.
inline Stage reading_stage(Description file) {
  return file == Description::kLine ? Stage::kLineReading : Stage::kTrainReading;
}

struct RaisedError {
  ErrorCode code{};
  Stage stage{};
  // The description row at fault: the row that raised it, or for a route
  // walk error the row that placed the object concerned. Nothing for the
  // header check.
  Place place;
  // The position in metres the error records (its own, or for a consequence
  // the position of the row that stopped); nothing when it records none.
  std::optional<int32_t> position;
  std::optional<int64_t> cell;  // the cell it concerns
  std::string detail;           // what was found, in Italian, where the number alone does not say
  // A second place the error concerns, and what stands there: the field a
  // row short of values took its next value from.
  std::optional<Place> related_place;
  std::string related;
  // Raised by a row only because an earlier error stood (the train reading
  // stops at its first signal or slowdown after an error 15 of the line
  // description): the fault is the earlier error.
  bool consequence = false;
};

// What an error records besides its number, stage and place.
struct ErrorFacts {
  std::optional<int32_t> position = std::nullopt;
  std::optional<int64_t> cell = std::nullopt;
  std::string detail = {};
  bool consequence = false;
  std::optional<Place> related_place = std::nullopt;
  std::string related = {};
};

// The errors of one compilation, in the order raised.
class RaisedErrors {
 public:
  // The one way in. A row raises through its `Row` (compiler/text/row.h),
  // which knows its stage and place; the stages after the rows, and a whole
  // file, name theirs here.
  void raise(ErrorCode code, Stage stage, Place place, ErrorFacts facts = {}) {
    errors_.push_back({code, stage, place, facts.position, facts.cell, std::move(facts.detail),
                       facts.related_place, std::move(facts.related), facts.consequence});
  }
  const std::vector<RaisedError>& all() const { return errors_; }
  bool empty() const { return errors_.empty(); }

  // The builder's error state: the number of the last error (header faults
  // aside; 0 = none) and the position the errors left, each later error
  // overwriting what an earlier one set.
  int32_t codice_errore() const;
  int32_t posizione_errore() const;
  // The header fault that refused the model, if any.
  std::optional<ErrorCode> header_fault() const;

 private:
  std::vector<RaisedError> errors_;
};

}  // namespace scenario
