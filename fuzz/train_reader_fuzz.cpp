// Fuzz target: the train description reader on any text, read into the
// model of the built-in line (read once, without geometry). Beyond not
// crashing, the reader must keep the model's size, leave the line's records
// alone, and end with an outcome that agrees with the error it recorded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "compiler/line/line_reader.h"
#include "compiler/train/train_reader.h"
#include "fuzz/check.h"
#include "writers/dati_linea.h"

namespace scenario {
namespace {

const Stato& line_read() {
  static const Stato line = [] {
    Stato s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    std::string text;
    for (std::string_view row : righe_linea()) text.append(row).append("\r\n");
    const LineReadResult result = read_line_text(s, std::move(text));
    FUZZ_CHECK(result == LineReadResult::kReadTrain && s.codice_errore == 0);
    return s;
  }();
  return line;
}

}  // namespace
}  // namespace scenario

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  const Stato& line = line_read();
  Stato s = line;
  const TrainReadResult result = read_train_text(s, std::string(reinterpret_cast<const char*>(data), size));

  switch (result) {
    case TrainReadResult::kCompleted:
      FUZZ_CHECK(fuzz::one_of(s.codice_errore, {0, 2, 15}));
      break;
    case TrainReadResult::kStopped:
      FUZZ_CHECK(fuzz::one_of(s.codice_errore, {7, 8, 9, 10, 16, 17, 18, 19, 20, 22, 24}));
      break;
    case TrainReadResult::kReadFailure:
      FUZZ_CHECK(s.codice_errore == 25);
      break;
  }
  FUZZ_CHECK((s.codice_errore == 0) == (s.origine_errore == ErrorSource::kNone));

  const Modello& m = s.modello;
  const Modello& before = line.modello;
  FUZZ_CHECK(m.numero_celle == before.numero_celle && m.celle.size() == before.celle.size());
  FUZZ_CHECK(m.slot_cartello == before.slot_cartello);
  // Stations fill records from 1 up and never reach the sign texts, the
  // progressives or the names of the header records.
  for (int i = m.slot_cartello + 1; i <= 85; ++i) {
    FUZZ_CHECK(m.record[i].nome_punto == before.record[i].nome_punto);
  }
  FUZZ_CHECK(m.record[86].nome_punto == before.record[86].nome_punto);
  for (int i = 81; i <= 83; ++i) {
    FUZZ_CHECK(m.record[i].inizio_zona == before.record[i].inizio_zona);
    FUZZ_CHECK(m.record[i].fine_zona == before.record[i].fine_zona);
  }
  FUZZ_CHECK(s.righe_lette.stazioni >= 0 && s.righe_lette.stazioni < m.slot_cartello);
  for (const Cella& c : m.celle) {
    if (c.oggetto == kStationStop) FUZZ_CHECK(c.valore1 >= 1 && c.valore1 <= s.righe_lette.stazioni + 1);
  }
  return 0;
}
