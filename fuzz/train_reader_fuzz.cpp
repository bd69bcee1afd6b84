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
#include "fuzz/model_checks.h"
#include "writers/line_description.h"

namespace scenario {
namespace {

const std::string& line_text() {
  static const std::string text(line_description_text());
  return text;
}

const CompilationState& line_read() {
  static const CompilationState line = [] {
    CompilationState s;
    s.nome = "Montebrisca_Lurna";
    s.treno = "7395";
    s.build_geometry = false;
    read_line(s, DescriptionText::of(line_text()));
    FUZZ_CHECK(s.line_reading.end == ReadingEnd::kCompleted && s.errors.empty());
    return s;
  }();
  return line;
}

}  // namespace
}  // namespace scenario

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  const CompilationState& line = line_read();
  CompilationState s = line;
  const std::string text(reinterpret_cast<const char*>(data), size);
  read_train(s, DescriptionText::of(text));

  const int32_t code = s.codice_errore();
  switch (s.train_reading.end) {
    case ReadingEnd::kCompleted:
      FUZZ_CHECK(fuzz::one_of(code, {0, 2, 15}));
      break;
    case ReadingEnd::kStopped:
      FUZZ_CHECK(fuzz::one_of(code, {7, 8, 9, 10, 16, 17, 18, 19, 20, 22, 24}));
      break;
    case ReadingEnd::kReadingFailure:
      FUZZ_CHECK(code == 25);
      break;
    case ReadingEnd::kNotRead:
      FUZZ_CHECK(false);
  }
  // The built-in line leaves no error and its progressives lie on the grid:
  // each error is this file's own, and only a position beyond the track
  // lets the reading go on to the closing fills and raise another.
  const auto& errors = s.errors.all();
  FUZZ_CHECK(errors.empty() == (code == 0));
  for (size_t i = 0; i < errors.size(); ++i) {
    FUZZ_CHECK(errors[i].place.file == Description::kTrain && !errors[i].consequence);
    if (i + 1 < errors.size()) FUZZ_CHECK(errors[i].code == ErrorCode::kBeyondTrack);
  }
  fuzz::check_places(s, {line_text(), text});

  const TrackModel& m = s.model;
  const TrackModel& before = line.model;
  FUZZ_CHECK(m.last_cell == before.last_cell && m.celle.size() == before.celle.size());
  FUZZ_CHECK(m.next_sign_slot == before.next_sign_slot);
  // Stations fill records from 1 up and never reach the sign texts, the
  // progressives or the names of the header records.
  for (int i = m.next_sign_slot + 1; i <= 85; ++i) {
    FUZZ_CHECK(m.record[i].nome_punto == before.record[i].nome_punto);
  }
  FUZZ_CHECK(m.record[86].nome_punto == before.record[86].nome_punto);
  for (int i = 81; i <= 83; ++i) {
    FUZZ_CHECK(m.record[i].inizio_zona == before.record[i].inizio_zona);
    FUZZ_CHECK(m.record[i].fine_zona == before.record[i].fine_zona);
  }
  FUZZ_CHECK(s.rows_read.stations >= 0 && s.rows_read.stations < m.next_sign_slot);
  // A stop cell comes from the row of its station.
  for (const Cella& c : m.celle) {
    if (c.oggetto == kStationStop) FUZZ_CHECK(c.valore1 >= 1 && c.valore1 <= s.rows_read.stations + 1);
  }
  for (size_t i = 0; i < m.celle.size(); ++i) {
    if (m.celle[i].oggetto == kStationStop) {
      FUZZ_CHECK(s.origins.cella[i] == s.origins.record[static_cast<size_t>(m.celle[i].valore1)]);
    }
  }
  return 0;
}
