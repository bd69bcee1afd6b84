// Fuzz target: the whole compilation, with the geometry, from one input
// split at its first NUL byte into a line description and a train
// description, then through the serialisers of the three compiled files.
// Beyond not crashing: the model stays consistent, a written scenario has
// its header stamped, the track and records files decode back into the very
// model they came from, and the geometry file holds exactly its elements.
// (The geometry's own round trip is left to the decoders' target: on the
// line's hundred thousand points it would cost most of the time here.)
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "compiler/output/compiled_files.h"
#include "compiler/output/header.h"
#include "compiler/output/memorizza_percorso.h"
#include "fuzz/check.h"
#include "fuzz/model_checks.h"
#include "tools/decode.h"

namespace scenario {
namespace {

// The serialised file decodes, and the decoded value serialises back to the
// same bytes.
template <class Decoded, class Decode, class Serialise>
void check_round_trip(const std::string& bytes, Decode decode, Serialise serialise) {
  const auto decoded = decode(bytes);
  FUZZ_CHECK(std::holds_alternative<Decoded>(decoded));
  FUZZ_CHECK(serialise(std::get<Decoded>(decoded)) == bytes);
}

}  // namespace
}  // namespace scenario

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string_view linea = input.substr(0, split);
  const std::string_view treno = split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

  Stato s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  const int32_t fatal = compile_texts(s, 1, std::string(linea), std::string(treno));

  fuzz::check_model(s);
  FUZZ_CHECK((s.codice_errore == 0) == (s.origine_errore == ErrorSource::kNone));
  if (fatal != 0) {
    // Either the header slots were taken, or no track model came out of the
    // line description, which is then the recorded error.
    FUZZ_CHECK(fatal == kHeaderValuesInUse || fatal == kHeaderCodesInUse ||
               (fatal == s.codice_errore && s.modello.celle.empty()));
    return 0;
  }

  const Modello& m = s.modello;
  FUZZ_CHECK(m.record[85].dato_4 == 610 && m.celle[1].valore1 == 5121);
  const std::string track = track_bytes(m.celle);
  FUZZ_CHECK(track.size() == 15 * m.celle.size());
  check_round_trip<tools::DecodedTrack>(track, tools::decode_track,
                                        [](const tools::DecodedTrack& t) { return track_bytes(t.celle); });
  check_round_trip<tools::DecodedRecords>(records_bytes(m.record), tools::decode_records,
                                          [](const tools::DecodedRecords& r) { return records_bytes(r.record); });
  size_t geometry_size = 0;
  for (const Asse* axis : {&m.tracciato.x, &m.tracciato.y}) {
    for (size_t i = 0; i < axis->size(); ++i) {
      const ElementKind kind = axis->kind(i);
      geometry_size += 2 + (kind == ElementKind::kInt16 ? 2 : kind == ElementKind::kDouble ? 8 : 0);
    }
  }
  FUZZ_CHECK(geometry_bytes(m.tracciato).size() == geometry_size);
  return 0;
}
