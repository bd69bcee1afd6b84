// Fuzz target: the decoders of `scenario inspect` and the description it
// prints, on any bytes. Beyond not crashing: an error never points past the
// input; what decodes serialises back to exactly the input, so a decoder
// never reads more than the bytes hold nor invents any; and the guess by
// file name settles on the first layout that fits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "compiler/output/compiled_files.h"
#include "readback/decode.h"
#include "fuzz/check.h"
#include "fuzz/sampling.h"
#include "tools/inspect/describe.h"

namespace scenario {
namespace {

using namespace tools;

template <class T>
bool decodes(const DecodeResult<T>& r, size_t size) {
  if (const auto* e = std::get_if<DecodeError>(&r)) {
    FUZZ_CHECK(e->offset <= size);
    FUZZ_CHECK(!e->message.empty());
    return false;
  }
  return true;
}

}  // namespace
}  // namespace scenario

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  using namespace scenario::tools;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const auto track = decode_track(bytes);
  const auto records = decode_records(bytes);
  const auto geometry = decode_geometry(bytes);
  const bool fits[] = {decodes(geometry, size), decodes(records, size), decodes(track, size)};
  if (fits[0]) {
    const DecodedGeometry& g = std::get<DecodedGeometry>(geometry);
    FUZZ_CHECK(!g.x.empty() && g.x.size() == g.y.size() && 4 * g.x.size() <= size);
    FUZZ_CHECK(geometry_bytes(g) == bytes);
  }
  if (fits[1]) FUZZ_CHECK(records_bytes(std::get<DecodedRecords>(records).record) == bytes);
  if (fits[2]) {
    FUZZ_CHECK(15 * std::get<DecodedTrack>(track).celle.size() == size);
    FUZZ_CHECK(track_bytes(std::get<DecodedTrack>(track).celle) == bytes);
  }

  // decode_any tries the kind the name suggests, then records, geometry and
  // track; index i of `fits` is FileKind i.
  static_assert(static_cast<int>(FileKind::kGeometry) == 0 && static_cast<int>(FileKind::kRecords) == 1 &&
                static_cast<int>(FileKind::kTrack) == 2);
  bool described[3] = {false, false, false};
  for (const char* name : {"Montebrisca_Lurna_linea.dat", "Montebrisca_Lurna_7395.sim", "Montebrisca_Lurna_7395.dat", "x"}) {
    const FileKind hint = kind_from_name(name).value_or(FileKind::kTrack);
    int expected = -1;
    for (FileKind kind : {hint, FileKind::kRecords, FileKind::kGeometry, FileKind::kTrack}) {
      if (fits[static_cast<int>(kind)]) {
        expected = static_cast<int>(kind);
        break;
      }
    }
    const auto any = decode_any(bytes, name);
    FUZZ_CHECK(decodes(any, size) == (expected >= 0));
    if (expected < 0) continue;
    const Decoded& d = std::get<Decoded>(any);
    FUZZ_CHECK(static_cast<int>(d.index()) == expected);
    // What `scenario inspect` prints for it, once per layout; a long file
    // now and then (fuzz/sampling.h).
    if (!described[expected] && fuzz::sampled(bytes, static_cast<int64_t>(size), fuzz::kDescribedBytes)) {
      described[expected] = true;
      FUZZ_CHECK(!render_text(describe(d)).empty());
    }
  }
  return 0;
}
