// Fuzz target: the line description reader on any text, with the geometry
// built as the builder does. Beyond not crashing, the model must stay
// consistent and the outcome must agree with the error it recorded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "compiler/line/line_reader.h"
#include "fuzz/check.h"
#include "fuzz/model_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  Stato s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  const std::string text(reinterpret_cast<const char*>(data), size);
  read_line(s, DescriptionText::of(text));

  fuzz::check_model(s);
  const int32_t codice = s.codice_errore();
  switch (s.lettura_linea.end) {
    case ReadingEnd::kCompleted:
      FUZZ_CHECK(codice == 0 || codice == 15);
      FUZZ_CHECK(!s.modello.celle.empty());
      break;
    case ReadingEnd::kStopped:
      FUZZ_CHECK(fuzz::one_of(codice, {1, 3, 4, 5, 6, 21, 102, 103}));
      break;
    case ReadingEnd::kReadingFailure:
      FUZZ_CHECK(codice == 25);
      break;
    case ReadingEnd::kNotRead:
      FUZZ_CHECK(false);
  }
  // One error at most, located in this file.
  FUZZ_CHECK(s.errori.all().size() == (codice == 0 ? 0u : 1u));
  fuzz::check_places(s, {text, ""});
  FUZZ_CHECK(s.modello.record[85].nome_punto == s.nome && s.modello.record[86].nome_punto == s.treno);
  return 0;
}
