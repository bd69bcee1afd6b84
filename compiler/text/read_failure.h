// A reading failure (error 25): a field that is not a number, a number that
// does not fit, a read past the end of a description, a value too wide for
// its member, a row the model has no room for. Thrown by the field reader and
// the rows and caught by RowReading, which raises it at the row it happened
// in: once, ending the reading, in the compilation proper; for each row,
// reading on, in a diagnostic reading. It never leaves the readers.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace scenario {

struct ReadFailure {
  std::string detail;  // what was found and what was expected, in Italian
  // The field at fault when it is not the one being read (line, column).
  int line = 0;
  int column = 0;
};

// A value stored into a member that must hold it: overflow is a reading
// failure.
template <class T>
T checked(int64_t v) {
  constexpr int64_t lo = std::numeric_limits<T>::min();
  constexpr int64_t hi = std::numeric_limits<T>::max();
  if (v < lo || v > hi) {
    throw ReadFailure{"il valore " + std::to_string(v) + " non sta tra " + std::to_string(lo) + " e " +
                      std::to_string(hi)};
  }
  return static_cast<T>(v);
}

}  // namespace scenario
