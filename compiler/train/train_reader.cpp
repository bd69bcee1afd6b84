#include "compiler/train/train_reader.h"

#include <utility>

#include "compiler/text/read_failure.h"
#include "compiler/text/rows.h"
#include "compiler/train/profile.h"
#include "compiler/train/signals.h"
#include "compiler/train/slowdowns.h"
#include "compiler/train/stations.h"
#include "compiler/train/train_row.h"

namespace scenario {
namespace {

// Separator fields passed over in a row before a keyword field.
constexpr int kSeparators = 2;

class TrainReader {
 public:
  TrainReader(Stato& s, std::string bytes) : s_(s), in_(std::move(bytes)) {}

  ReadingEnd run();
  const FieldReader& in() const { return in_; }

 private:
  Next interpret(const Keyword& row);
  void check_progressives();

  Stato& s_;
  FieldReader in_;
  SpeedAndAdhesion profile_;
  int32_t station_ = 1;
};

// Nothing before "[generale]" is interpreted; a file without it is read to
// its end and nothing at all is.
ReadingEnd TrainReader::run() {
  Next next = Next::kRow;
  if (find_general_section(in_, false)) {
    while (next == Next::kRow) {
      const std::optional<Keyword> row = next_keyword(in_, kSeparators);
      if (!row) break;
      s_.lettura_treno.last_line = row->line;
      next = interpret(*row);
    }
  }
  if (next == Next::kStop) return ReadingEnd::kStopped;
  profile_.fill_to_end(s_.modello);
  check_progressives();
  return ReadingEnd::kCompleted;
}

// Every keyword is tested, case-sensitively and in this order, so a field
// holding two keywords is two rows; a field holding none is passed over.
Next TrainReader::interpret(const Keyword& keyword) {
  const std::string& campo = keyword.text;
  const TrainRow row{in_, s_, Place{Description::kTrain, keyword.line, keyword.column}};
  Record& train_data = s_.modello.record[kTrainDataSlot];
  Record& train = s_.modello.record[kTrainSlot];
  Next next = Next::kRow;
  const auto when = [&](bool matches, auto&& read) {
    if (next == Next::kRow && matches) next = read();
  };

  when(has(campo, "massa") && has(campo, "frenata"), [&] {
    train_data.inizio_zona = in_.number();
    return Next::kRow;
  });
  when(has(campo, "vetture"), [&] {
    train_data.posizione_punto = in_.number();
    return Next::kRow;
  });
  when(has(campo, "velocit"), [&] { return profile_.read_speed_row(row); });
  when(has(campo, "aderenza"), [&] { return profile_.read_adhesion_row(row); });
  when(has(campo, "orologio"), [&] {
    train.dato_7 = checked<int16_t>(in_.number());
    train.dato_8 = checked<int16_t>(in_.number());
    train.dato_9 = checked<int16_t>(in_.number());
    return Next::kRow;
  });
  when(has(campo, "sabbia"), [&] {
    train.dato_4 = checked<int16_t>(in_.number());
    return Next::kRow;
  });
  when(has(campo, "segnale"), [&] { return read_signal_row(row); });
  when(has(campo, "rallentamento"), [&] { return read_slowdown_row(row); });
  when(has(campo, "abbattimento"), [&] { return read_abbattimento_row(row); });
  when(has(campo, "stazione"), [&] { return read_station(row, station_); });
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

void raise_reading_failure(Stato& s, Place place, std::string detail) {
  s.errori.raise({ErrorCode::kReadingFailure, Stage::kTrainReading, place, std::nullopt, std::nullopt,
                  std::move(detail)});
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
    raise_reading_failure(s, Place{Description::kTrain, reader.in().line(), reader.in().column()}, failure.detail);
    s.lettura_treno.end = ReadingEnd::kReadingFailure;
  }
}

}  // namespace scenario
