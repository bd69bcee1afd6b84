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
  s.scrivi_linea = 1;
  const LineReadResult result = read_line_text(s, std::string(reinterpret_cast<const char*>(data), size));

  fuzz::check_model(s);
  switch (result) {
    case LineReadResult::kReadTrain:
      FUZZ_CHECK(s.codice_errore == 0 || s.codice_errore == 15);
      FUZZ_CHECK(!s.modello.celle.empty());
      break;
    case LineReadResult::kStop:
      FUZZ_CHECK(fuzz::one_of(s.codice_errore, {1, 3, 4, 5, 6, 21, 102, 103}));
      break;
    case LineReadResult::kReadingFailure:
      FUZZ_CHECK(s.codice_errore == 25);
      break;
  }
  FUZZ_CHECK((s.codice_errore == 0) == (s.origine_errore == ErrorSource::kNone));
  FUZZ_CHECK(s.modello.record[85].nome_punto == s.nome && s.modello.record[86].nome_punto == s.treno);
  return 0;
}
