// Invariant checks of the fuzz targets: a failed check aborts, which the
// fuzzer reports as a finding with the input that caused it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#define FUZZ_CHECK(condition)                                                                   \
  do {                                                                                          \
    if (!(condition)) {                                                                         \
      std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                             \
    }                                                                                           \
  } while (0)

namespace scenario::fuzz {

inline bool one_of(int32_t code, std::initializer_list<int32_t> codes) {
  for (const int32_t c : codes) {
    if (c == code) return true;
  }
  return false;
}

}  // namespace scenario::fuzz
