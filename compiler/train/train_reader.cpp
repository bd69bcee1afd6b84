#include "compiler/train/train_reader.h"

#include <optional>
#include <utility>

#include "compiler/text/notes.h"
#include "compiler/text/read_failure.h"
#include "compiler/text/rows.h"
#include "compiler/train/profile.h"
#include "compiler/train/signals.h"
#include "compiler/train/slowdowns.h"
#include "compiler/train/stations.h"
#include "compiler/train/train_keywords.h"
#include "compiler/train/train_row.h"

namespace scenario {
namespace {

// Separator fields passed over in a row before a keyword field.
constexpr int kSeparators = 2;

void raise_reading_failure(Stato& s, Place place, std::string detail) {
  s.errori.raise({ErrorCode::kReadingFailure, Stage::kTrainReading, place, std::nullopt, std::nullopt,
                  std::move(detail)});
}

class TrainReader {
 public:
  TrainReader(Stato& s, const std::string& bytes) : s_(s), in_(bytes) {
    if (s.diagnostica) notes_.emplace(s, Description::kTrain, bytes, train_keywords(), in_);
  }

  ReadingEnd run();
  Place here() const { return {Description::kTrain, in_.line(), in_.column()}; }
  // The detail of a failure, with the row it happened in.
  std::string detail_of(const ReadFailure& failure) const {
    return in_row_ ? failure_in_row(in_, row_, train_row_values(row_.text), failure.detail) : failure.detail;
  }

 private:
  Next interpret(bool& matched);
  Next read_row();
  void check_progressives();

  Stato& s_;
  FieldReader in_;
  std::optional<Notes> notes_;  // a diagnostic reading only
  SpeedAndAdhesion profile_;
  Keyword row_;          // the keyword field being interpreted
  bool in_row_ = false;  // reading its values
  int32_t station_ = 1;
  int rows_read_ = 0;
};

// Nothing before "[generale]" is interpreted; a file without it is read to
// its end and nothing at all is. A diagnostic reading goes on after an
// error, from the next line that starts a row.
ReadingEnd TrainReader::run() {
  Next next = Next::kRow;
  const bool general = find_general_section(in_, false);
  if (general) {
    if (notes_) notes_->before_general(in_, [](std::string_view f) { return starts_train_row(f); });
    while (next != Next::kStop || s_.diagnostica) {
      std::optional<Keyword> row = next_keyword(in_, kSeparators);
      if (!row) break;
      row_ = std::move(*row);
      s_.lettura_treno.last_line = row_.line;
      next = read_row();
      if (next == Next::kEndOfRows && !s_.diagnostica) break;
      if (next != Next::kRow && s_.diagnostica) {
        notes_->mark_reported(in_.line());
        in_.resume_after(row_.line, [](std::string_view f) { return starts_train_row(f); });
      }
    }
    if (notes_ && next != Next::kStop) notes_->last_field(in_, starts_train_row(in_.last_field()));
  }
  if (notes_ && rows_read_ == 0) {
    notes_->add(WarningKind::kNoTrainData, notes_->at(1, 1),
                general ? "dalla descrizione del treno non si legge nessuna riga"
                        : "dalla descrizione del treno non si legge nessuna riga: le righe si leggono solo dopo un "
                          "campo che contiene \"[generale]\", scritto proprio così");
  }
  if (next == Next::kStop && !s_.diagnostica) return ReadingEnd::kStopped;
  profile_.fill_to_end(s_.modello);
  check_progressives();
  return next == Next::kStop ? ReadingEnd::kStopped : ReadingEnd::kCompleted;
}

// One keyword field; a reading failure of a diagnostic reading is raised
// here, so that the reading can go on.
Next TrainReader::read_row() {
  bool matched = false;
  Next next = Next::kRow;
  in_row_ = true;
  bool failed = false;
  try {
    next = interpret(matched);
  } catch (const ReadFailure& failure) {
    if (!s_.diagnostica) throw;
    raise_reading_failure(s_, here(), detail_of(failure));
    next = Next::kStop;
    failed = true;
  }
  in_row_ = false;
  rows_read_ += matched;
  // A row that failed is reported by its error, the lines it read into with it.
  if (notes_ && !failed) notes_->row(in_, row_, matched, [](std::string_view f) { return is_train_section(f); });
  return next;
}

// Every keyword is tested, case-sensitively and in this order, so a field
// holding two keywords is two rows; a field holding none is passed over.
Next TrainReader::interpret(bool& matched) {
  const std::string& campo = row_.text;
  const TrainRow row{in_, s_, Place{Description::kTrain, row_.line, row_.column},
                     notes_ ? &*notes_ : nullptr};
  Record& train_data = s_.modello.record[kTrainDataSlot];
  Record& train = s_.modello.record[kTrainSlot];
  Next next = Next::kRow;
  const auto when = [&](TrainKeyword kind, auto&& read) {
    if (next != Next::kRow || !is_train_row(kind, campo)) return;
    matched = true;
    next = read();
  };

  when(TrainKeyword::kBrakedMass, [&] {
    train_data.inizio_zona = in_.number();
    return Next::kRow;
  });
  when(TrainKeyword::kCoaches, [&] {
    train_data.posizione_punto = in_.number();
    return Next::kRow;
  });
  when(TrainKeyword::kSpeed, [&] { return profile_.read_speed_row(row); });
  when(TrainKeyword::kAdhesion, [&] { return profile_.read_adhesion_row(row); });
  when(TrainKeyword::kClock, [&] {
    train.dato_7 = checked<int16_t>(in_.number());
    train.dato_8 = checked<int16_t>(in_.number());
    train.dato_9 = checked<int16_t>(in_.number());
    return Next::kRow;
  });
  when(TrainKeyword::kSand, [&] {
    train.dato_4 = checked<int16_t>(in_.number());
    return Next::kRow;
  });
  when(TrainKeyword::kSignal, [&] { return read_signal_row(row); });
  when(TrainKeyword::kSlowdown, [&] { return read_slowdown_row(row); });
  when(TrainKeyword::kReduction, [&] { return read_abbattimento_row(row); });
  when(TrainKeyword::kStation, [&] { return read_station(row, station_); });
  return next;
}

// The bounds of the three progressive records must lie on the cell grid. The
// progressives are rows of the line description: the fault is there.
void TrainReader::check_progressives() {
  for (int slot = kFirstProgressiveSlot; slot < kFirstProgressiveSlot + 3; ++slot) {
    const Record& r = s_.modello.record[static_cast<size_t>(slot)];
    if (r.inizio_zona % 50 != 0 || r.fine_zona % 50 != 0) {
      s_.errori.raise({ErrorCode::kProgressiveOffGrid, Stage::kTrainReading,
                       s_.origini.record[static_cast<size_t>(slot)], std::nullopt, std::nullopt, {}});
    }
  }
}

}  // namespace

void read_train(Stato& s, const DescriptionText& text) {
  if (text.found != DescriptionText::Found::kRead) {
    raise_reading_failure(s, Place{Description::kTrain, 0, 0},
                          text.found == DescriptionText::Found::kMissing ? "la descrizione del treno non esiste"
                                                                        : "il file non si può leggere");
    s.lettura_treno.end = ReadingEnd::kReadingFailure;
    return;
  }
  TrainReader reader(s, text.bytes);
  try {
    s.lettura_treno.end = reader.run();
  } catch (const ReadFailure& failure) {
    raise_reading_failure(s, reader.here(), reader.detail_of(failure));
    s.lettura_treno.end = ReadingEnd::kReadingFailure;
  }
}

}  // namespace scenario
