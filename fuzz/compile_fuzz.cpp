// Fuzz target: the whole compilation from one input split at its first NUL
// byte into a line description and a train description, then through the
// serialisers of the three compiled files. The geometry, and the track's
// bytes decoded back, for the inputs fuzz/sampling.h picks. Beyond not
// crashing: the model stays consistent, a written scenario has its header
// stamped, the track and records files decode back into the very model they
// came from, and the geometry file holds exactly its elements. (The
// geometry's own round trip is left to the decoders' target: on the line's
// hundred thousand points it would cost most of the time here.)
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "compiler/output/compile.h"
#include "compiler/output/compiled_files.h"
#include "readback/decode.h"
#include "compiler/output/layouts.h"
#include "fuzz/check.h"
#include "fuzz/model_checks.h"
#include "fuzz/sampling.h"

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

  const DescriptionText linea_text = DescriptionText::of(std::string(linea));
  const DescriptionText treno_text = DescriptionText::of(std::string(treno));
  CompilationState s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  compile_texts(s, linea_text, treno_text, {.build_geometry = false});
  if (fuzz::with_geometry(input, s.model.lunghezza_totale)) {
    compile_texts(s, linea_text, treno_text, {});
  }
  const int32_t fatal = fatal_error(s);

  fuzz::check_model(s);
  fuzz::check_places(s, {linea, treno});
  // The builder's error state is read off the list: the last error that is
  // not a header fault, and the last position any error recorded.
  int32_t code = 0, posizione = 0;
  for (const RaisedError& e : s.errors.all()) {
    if (!is_header_fault(e.code)) code = number(e.code);
    if (e.position) posizione = *e.position;
  }
  FUZZ_CHECK(s.codice_errore() == code && s.posizione_errore() == posizione);
  if (fatal != 0) {
    // Either the header slots were taken, or no track model came out of the
    // line description, which is then the recorded error.
    FUZZ_CHECK(fatal == 1250 || fatal == 1251 || (fatal == s.codice_errore() && s.model.celle.empty()));
    return 0;
  }

  const TrackModel& m = s.model;
  FUZZ_CHECK(m.record[85].dato_4 == 610 && m.celle[1].valore1 == 5121);
  if (fuzz::sampled(input, m.last_cell, fuzz::kCellBudget)) {
    const std::string track = track_bytes(m.celle);
    FUZZ_CHECK(track.size() == layout::kCellBytes * m.celle.size());
    check_round_trip<DecodedTrack>(track, decode_track, [](const DecodedTrack& t) { return track_bytes(t.celle); });
  }
  check_round_trip<DecodedRecords>(records_bytes(m.record), decode_records,
                                   [](const DecodedRecords& r) { return records_bytes(r.record); });
  size_t geometry_size = 0;
  for (const GeometryAxis* axis : {&m.geometry.x, &m.geometry.y}) {
    for (size_t i = 0; i < axis->size(); ++i) geometry_size += layout::element_bytes(axis->kind(i));
  }
  FUZZ_CHECK(geometry_bytes(m.geometry).size() == geometry_size);
  return 0;
}
