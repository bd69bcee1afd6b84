// Reads a train description: nothing before "[generale]", then every
// keyword row to the end of the file, then the closing fills and the check
// of the progressives. Each row is read and placed by its own file; this one
// only finds the rows and hands them on. docs/formats.md, "Train
// description", describes every row.
#include "compiler/train/train_reader.h"

#include "compiler/text/row_reading.h"
#include "compiler/train/profile.h"
#include "compiler/train/signals.h"
#include "compiler/train/slowdowns.h"
#include "compiler/train/stations.h"
#include "compiler/train/train_data.h"
#include "compiler/train/train_keywords.h"

namespace scenario {
namespace {

// Up to two separator fields may stand before a keyword.
const RowReading::Section kRows{2, train_row_columns, starts_train_row};

class TrainReader {
 public:
  TrainReader(CompilationState& s, const std::string& bytes)
      : s_(s), bytes_(bytes), reading_(s, Description::kTrain, bytes, train_keywords()) {}

  ReadingEnd run();

 private:
  ReadingEnd read();
  Next interpret(const Row& row, bool& matched);
  Next read_row(TrainRow kind, const Row& row);
  void check_progressives();
  void note_no_train(bool general);

  CompilationState& s_;
  const std::string& bytes_;
  RowReading reading_;
  SpeedAndAdhesion profile_;
  int32_t station_ = 1;
};

ReadingEnd TrainReader::run() {
  try {
    return read();
  } catch (const ReadFailure& failure) {
    reading_.raise_failure(failure);
    return ReadingEnd::kReadingFailure;
  }
}

// Nothing before "[generale]" is interpreted; a file without it is read to
// its end and nothing at all is.
ReadingEnd TrainReader::read() {
  FieldReader& in = reading_.in();
  Notes* notes = reading_.notes();
  Next next = Next::kRow;
  const bool general = find_general_section(in, false);
  if (general) {
    if (notes) notes->before_general(in, starts_train_row);
    next = reading_.read_rows(kRows, [&](const Row& row, bool& matched) { return interpret(row, matched); });
    // A diagnostic reading went on to the end; what counts is its last row.
    if (s_.diagnostic_mode) next = reading_.last_next();
    if (notes && next != Next::kStop) notes->last_field(in, starts_train_row(in.last_field()));
  }
  if (notes && reading_.rows_matched() == 0) note_no_train(general);
  if (next == Next::kStop && !s_.diagnostic_mode) return ReadingEnd::kStopped;
  profile_.fill_to_end(s_.model);
  check_progressives();
  return next == Next::kStop ? ReadingEnd::kStopped : ReadingEnd::kCompleted;
}

// A train description that gives no train: with no "[generale]", at the
// header that is nearly it.
void TrainReader::note_no_train(bool general) {
  std::string text = "dalla descrizione del treno non si legge nessuna riga";
  Place at = reading_.at(1, 1);
  if (!general) {
    text += ": le righe si leggono solo dopo un campo che contiene «[generale]», scritto proprio così";
    if (const std::optional<Keyword> near = near_general_section(bytes_)) {
      at = reading_.at(near->line, near->column);
      text += "; " + near_general_words(*near);
    }
  }
  reading_.notes()->add(WarningKind::kNoTrainData, at, text);
}

// Every row is tested, in the table's order: a field holding two keywords
// is two rows; a field holding none is passed over.
Next TrainReader::interpret(const Row& row, bool& matched) {
  return read_matching_rows(
      kTrainKeywords, row.keyword.text, matched, [](const TrainKeyword&) { return true; },
      [&](const TrainKeyword& k) { return read_row(k.row, row); });
}

Next TrainReader::read_row(TrainRow kind, const Row& row) {
  switch (kind) {
    case TrainRow::kBrakedMass:
    case TrainRow::kCoaches:
    case TrainRow::kClock:
    case TrainRow::kSand:
      return read_train_data_row(kind, row);
    case TrainRow::kSpeed:
      return profile_.read_speed_row(row);
    case TrainRow::kAdhesion:
      return profile_.read_adhesion_row(row);
    case TrainRow::kSignal:
      return read_signal_row(row);
    case TrainRow::kSlowdown:
      return read_slowdown_row(row);
    case TrainRow::kReduction:
      return read_speed_reduction_row(row);
    case TrainRow::kStation:
      return read_station(row, station_);
  }
  return Next::kRow;
}

// The bounds of the three progressive records must lie on the cell grid. The
// progressives are rows of the line description: the fault is there.
void TrainReader::check_progressives() {
  for (int slot = kFirstProgressiveSlot; slot < kFirstProgressiveSlot + 3; ++slot) {
    const Record& r = s_.model.record[static_cast<size_t>(slot)];
    if (r.inizio_zona % 50 != 0 || r.fine_zona % 50 != 0) {
      s_.errors.raise(ErrorCode::kProgressiveOffGrid, Stage::kTrainReading,
                      s_.origins.record[static_cast<size_t>(slot)]);
    }
  }
}

}  // namespace

void read_train(CompilationState& s, const DescriptionText& text) {
  if (text.found != DescriptionText::Found::kRead) {
    raise_whole_file(s, Description::kTrain, ErrorCode::kReadingFailure,
                     text.found == DescriptionText::Found::kMissing ? "la descrizione del treno non esiste"
                                                                   : "il file non si può leggere");
    s.train_reading.end = ReadingEnd::kReadingFailure;
    return;
  }
  s.train_reading.end = TrainReader(s, text.bytes).run();
}

}  // namespace scenario
