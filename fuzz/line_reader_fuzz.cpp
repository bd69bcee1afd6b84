// Fuzz target: the line description reader on any text, with the geometry
// built as the builder does for the inputs fuzz/sampling.h picks. Beyond not
// crashing, the model must stay consistent and the outcome must agree with
// the error it recorded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/line/line_reader.h"
#include "fuzz/check.h"
#include "fuzz/model_checks.h"
#include "fuzz/sampling.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto read = [&](bool geometry) {
    CompilationState s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    s.build_geometry = geometry;
    read_line(s, DescriptionText::of(text));
    return s;
  };
  CompilationState s = read(false);
  if (fuzz::with_geometry(text, s.model.lunghezza_totale)) s = read(true);

  fuzz::check_model(s);
  const int32_t code = s.codice_errore();
  switch (s.line_reading.end) {
    case ReadingEnd::kCompleted:
      FUZZ_CHECK(code == 0 || code == 15);
      FUZZ_CHECK(!s.model.celle.empty());
      break;
    case ReadingEnd::kStopped:
      FUZZ_CHECK(fuzz::one_of(code, {1, 3, 4, 5, 6, 21, 102, 103}));
      break;
    case ReadingEnd::kReadingFailure:
      FUZZ_CHECK(code == 25);
      break;
    case ReadingEnd::kNotRead:
      FUZZ_CHECK(false);
  }
  // Errors of this file; only a position beyond the track lets the reading
  // go on to raise another (a failure of the closing fills).
  const auto& errors = s.errors.all();
  FUZZ_CHECK(errors.empty() == (code == 0));
  for (size_t i = 0; i < errors.size(); ++i) {
    FUZZ_CHECK(errors[i].place.file == Description::kLine);
    if (i + 1 < errors.size()) FUZZ_CHECK(errors[i].code == ErrorCode::kBeyondTrack);
  }
  fuzz::check_places(s, {text, ""});
  FUZZ_CHECK(s.model.record[85].nome_punto == s.nome && s.model.record[86].nome_punto == s.treno);
  return 0;
}
