// Which inputs get the work that grows with the route's length. The plan
// path is built metre by metre, the track's bytes are checked cell by cell,
// a check compiles the route two or three times over, and the description
// of a compiled file holds an object per cell or point: under the
// sanitizers and the fuzzer's tracing, doing all of it for every input would
// keep a target near its seeds. Every input is read in full, long routes
// included; the work that grows with the route is done for about one input
// in (size / budget), the shorter the route the more often (every model is
// at least the 7000 m past the line's end long), picked by the input's own
// bytes so that an input always takes the same path when it is replayed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "compiler/model/model.h"

namespace scenario::fuzz {

// Plan points built per input, on average.
inline constexpr uint64_t kPointBudget = 500;
// Cells whose bytes are written and decoded back, likewise.
inline constexpr uint64_t kCellBudget = 60;
// Cells of a route the check target compiles and checks, likewise.
inline constexpr uint64_t kCheckedCells = 160;
// Plan points the check target builds per input: fewer, as it builds each
// one three times over (the compile target fuzzes the geometry itself).
inline constexpr uint64_t kCheckedPoints = 100;
// Bytes of a compiled file the decode target describes, likewise: the
// description holds an object per cell or point, 900 bytes are 60 cells.
inline constexpr uint64_t kDescribedBytes = 900;

inline uint64_t fnv1a(std::string_view bytes) {
  uint64_t h = 14695981039346656037ull;
  for (const char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

inline bool sampled(std::string_view input, int64_t size, uint64_t budget) {
  if (size <= 0 || static_cast<uint64_t>(size) <= budget) return true;
  return fnv1a(input) % static_cast<uint64_t>(size) < budget;
}

// Whether the plan path is built, `budget` points on average, for an input
// whose model, read without it, is `lunghezza_totale` metres long. With no
// model (0) it is sampled as the shortest model: a diagnostic reading that
// reads on past the fault that left none may still make one.
inline bool with_geometry(std::string_view input, int32_t lunghezza_totale, uint64_t budget = kPointBudget) {
  return sampled(input, std::max(lunghezza_totale, kModelExtension), budget);
}

}  // namespace scenario::fuzz
