#include "compiler/train/train_reader.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "common/read_whole_file.h"
#include "compiler/line/field_reader.h"
#include "compiler/model/numbers.h"
#include "compiler/model/read_failure.h"
#include "compiler/train/profile.h"
#include "compiler/train/row_outcome.h"
#include "compiler/train/signals.h"
#include "compiler/train/slowdowns.h"
#include "compiler/train/stations.h"

namespace scenario {
namespace {

bool has(std::string_view field, std::string_view word) { return field.find(word) != std::string_view::npos; }

class TrainReader {
 public:
  TrainReader(Stato& s, std::string bytes) : s_(s), in_(std::move(bytes)) {}

  TrainReadResult run();
  int row_line() const { return row_line_; }

 private:
  void skip_to_general_section();
  bool read_field();
  bool next_keyword();
  RowOutcome interpret();
  void check_progressives();

  Stato& s_;
  FieldReader in_;
  SpeedAndAdhesion profile_;
  int32_t station_ = 1;
  int row_line_ = 0;  // line of the keyword field being interpreted
};

TrainReadResult TrainReader::run() {
  skip_to_general_section();
  RowOutcome outcome = RowOutcome::kNext;
  while (outcome == RowOutcome::kNext && next_keyword()) outcome = interpret();
  if (outcome == RowOutcome::kStop) return TrainReadResult::kStopped;
  profile_.fill_to_end(s_.modello);
  check_progressives();
  return TrainReadResult::kCompleted;
}

// Nothing before "[generale]" is interpreted; a file without it is read to
// its end and nothing at all is.
void TrainReader::skip_to_general_section() {
  while (read_field()) {
    if (has(s_.modello.campo, "[generale]")) return;
  }
}

// Reads a field in keyword position; false when none is left to interpret,
// so that the last field of the file never is.
bool TrainReader::read_field() {
  if (in_.eof()) return false;
  s_.modello.campo = in_.text();
  row_line_ = in_.line();
  return !in_.eof();
}

// The next keyword field, past at most two separator fields (those holding
// a "-").
bool TrainReader::next_keyword() {
  if (!read_field()) return false;
  for (int skipped = 0; skipped < 2 && has(s_.modello.campo, "-"); ++skipped) {
    if (!read_field()) return false;
  }
  return true;
}

// Every keyword is tested, case-sensitively and in this order, so a field
// holding two keywords is two rows; a field holding none is passed over.
RowOutcome TrainReader::interpret() {
  const std::string& campo = s_.modello.campo;
  Record& header84 = s_.modello.record[84];
  Record& header86 = s_.modello.record[86];
  RowOutcome outcome = RowOutcome::kNext;
  const auto when = [&](bool matches, auto&& row) {
    if (outcome == RowOutcome::kNext && matches) outcome = row();
  };

  when(has(campo, "massa") && has(campo, "frenata"), [&] {
    header84.inizio_zona = in_.number();
    return RowOutcome::kNext;
  });
  when(has(campo, "vetture"), [&] {
    header84.posizione_punto = in_.number();
    return RowOutcome::kNext;
  });
  when(has(campo, "velocit"), [&] { return profile_.read_speed_row(in_, s_, row_line_); });
  when(has(campo, "aderenza"), [&] { return profile_.read_adhesion_row(in_, s_, row_line_); });
  when(has(campo, "orologio"), [&] {
    header86.dato_7 = checked<int16_t>(in_.number());
    header86.dato_8 = checked<int16_t>(in_.number());
    header86.dato_9 = checked<int16_t>(in_.number());
    return RowOutcome::kNext;
  });
  when(has(campo, "sabbia"), [&] {
    header86.dato_4 = checked<int16_t>(in_.number());
    return RowOutcome::kNext;
  });
  when(has(campo, "segnale"), [&] { return read_signal_row(in_, s_, row_line_); });
  when(has(campo, "rallentamento"), [&] { return read_slowdown_row(in_, s_, row_line_); });
  when(has(campo, "abbattimento"), [&] { return read_abbattimento_row(in_, s_, row_line_); });
  when(has(campo, "stazione"), [&] { return read_station(in_, s_, station_, row_line_); });
  return outcome;
}

// The bounds of the three progressive records must lie on the cell grid.
void TrainReader::check_progressives() {
  for (int slot = 81; slot <= 83; ++slot) {
    const Record& r = s_.modello.record[slot];
    if (r.inizio_zona % 50 != 0 || r.fine_zona % 50 != 0) record_error_code(s_, 2, 0);
  }
}

// Only a regular file is read: a directory or a pipe is no description.
std::optional<std::string> read_description(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  return read_whole_file(path);
}

}  // namespace

TrainReadResult read_train_text(Stato& s, std::string bytes) {
  TrainReader reader(s, std::move(bytes));
  try {
    return reader.run();
  } catch (const ReadFailure&) {
    record_error_code(s, 25, reader.row_line());
    return TrainReadResult::kReadFailure;
  }
}

void read_train_description(Stato& s, const DescriptionFiles& files) {
  std::optional<std::string> bytes = read_description(files.treno);
  TrainReadResult result = TrainReadResult::kReadFailure;
  if (bytes) {
    result = read_train_text(s, std::move(*bytes));
  } else {
    record_error_code(s, 25, 0);
  }
  discard_after_reading(files, files.treno, result == TrainReadResult::kReadFailure);
}

}  // namespace scenario
