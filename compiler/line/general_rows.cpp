#include "compiler/line/general_rows.h"

#include <array>

#include "compiler/line/progressives.h"
#include "compiler/text/read_failure.h"

namespace scenario {

Next GeneralRows::read_route_length(const Row& row) {
  const int32_t length = row.in.number();
  const Place at = row.here();
  row.s.model.record[kTrainDataSlot].fine_zona = length;
  row.s.origins.route_length = at;
  if (length > kMaxRouteLength) return row.stop(ErrorCode::kRouteTooLong, at);
  if (length < 0) throw ReadFailure{"la lunghezza del percorso " + std::to_string(length) + " è negativa"};
  if (row.notes && length == 0) {
    row.notes->add(WarningKind::kRouteLengthZero, at,
                   "la lunghezza del percorso è 0 m (il campo è vuoto?): il modello copre solo i 7000 m oltre la fine");
  }
  create_track(row.s, length);
  model_created_ = true;
  return Next::kRow;
}

void GeneralRows::read_progressive(const Row& row, int slot) {
  Record& r = row.s.model.record[static_cast<size_t>(slot)];
  r.inizio_zona = row.in.number();
  r.fine_zona = row.in.number();
  r.posizione_punto = row.in.number();
  row.s.origins.record[static_cast<size_t>(slot)] = row.place;
  given_progressive_ = given_progressive_ || r.inizio_zona != 0 || r.fine_zona != 0 || r.posizione_punto != 0;
  if (given_progressive_ && !first_progressive_.line) first_progressive_ = row.place;
}

void GeneralRows::read_background(const Row& row, int32_t Record::*member) {
  row.s.model.record[kScenarioSlot].*member = row.in.number();
}

Next GeneralRows::read_repeated_signals(const Row& row) {
  Record& r = row.s.model.record[kTrainSlot];
  r.inizio_zona = row.in.number();
  const Place first = row.here();
  r.fine_zona = row.in.number();
  if (r.inizio_zona % 50 != 0) return row.stop(ErrorCode::kRepeatStartOffGrid, first);
  if (r.fine_zona % 50 != 0) return row.stop(ErrorCode::kRepeatEndOffGrid, row.here());
  if (has(row.keyword.text, "4")) {
    r.posizione_punto = 4;
  } else if (has(row.keyword.text, "9")) {
    r.posizione_punto = 9;
  } else {
    return row.stop(ErrorCode::kRepeatCodeMissing, row.place);
  }
  if (r.fine_zona == 0) r.posizione_punto = 0;
  return Next::kRow;
}

void GeneralRows::order_progressives(CompilationState& s, Notes* notes) {
  const ProgressiveSources sources = sort_progressives(s.model);
  std::array<Place, 3> ordered{};
  for (size_t i = 0; i < 3; ++i) {
    if (sources[i] != 0) ordered[i] = s.origins.record[static_cast<size_t>(sources[i])];
  }
  if (notes && sources == ProgressiveSources{} && given_progressive_) {
    notes->add(WarningKind::kProgressivesCleared, first_progressive_,
               "le progressive chilometriche sono azzerate tutte e tre: due hanno la stessa posizione più avanzata, "
               "o la somma delle posizioni è 0 e nessuna ha un valore chilometrico positivo");
  }
  for (size_t i = 0; i < 3; ++i) s.origins.record[kFirstProgressiveSlot + i] = ordered[i];
}

}  // namespace scenario
