#include "compiler/train/stations.h"

#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

constexpr int kStationMargin = 800;           // range check: position + 800 must lie on the track
constexpr int32_t kMinimumGap = 350;          // from the previous station's zone end to this zone's start
constexpr int32_t kShortStation = 600;        // below this length `dato_2` is cleared
constexpr uint8_t kFirstPassedCategory = 25;  // categories from here on have no stop cell

int32_t to_int32(double v) { return checked<int32_t>(static_cast<int64_t>(nearest_even(v))); }

// The station zone around the position, by category: 5 and 6 end 150 m past
// it, 7 and 8 reach `length` each side, the others are centred on it and
// lengthened by 50 m at their end when `allungamento` is set. Only the
// centred zones keep `allungamento`.
void set_zone(Record& r, int32_t position, int32_t length) {
  const double p = position;
  switch (r.tipo_punto) {
    case 5:
    case 6:
      r.fine_zona = to_int32(p + 150);
      r.inizio_zona = to_int32(p - length);
      r.allungamento = 0;
      break;
    case 7:
    case 8:
      r.inizio_zona = to_int32(p - length);
      r.fine_zona = to_int32(p + length);
      r.allungamento = 0;
      break;
    default:
      r.inizio_zona = to_int32(p - length / 2.0);
      r.fine_zona = to_int32(p + length / 2.0 + (r.allungamento != 0 ? 50 : 0));
      break;
  }
}

// Columns 4 to 17, in file order.
// Returns the place of the hours, where the station's time begins.
Place read_columns(const Row& row, Record& r) {
  FieldReader& in = row.in;
  r.dato_1 = checked<uint8_t>(in.number());
  r.dato_2 = checked<uint8_t>(in.number());
  r.allungamento = checked<uint8_t>(in.number());
  r.dato_4 = checked<int16_t>(in.number());
  r.dato_5 = checked<int16_t>(in.number());
  r.dato_6 = checked<uint8_t>(in.number());
  r.dato_7 = checked<int16_t>(in.number());
  r.dato_8 = checked<int16_t>(in.number());
  r.dato_9 = checked<int16_t>(in.number());
  r.dato_10 = checked<uint8_t>(in.number());
  const int64_t hours = in.number();
  const Place time = row.here();
  const int64_t minutes = in.number();
  const int64_t seconds = in.number();
  r.orario = checked<int32_t>(hours * 3600 + minutes * 60 + seconds);
  r.nome_punto = in.text();
  return time;
}

// A stop cell is not checked for an object already there: the stop
// replaces it.
void note_stop(const Row& row, Place at, int64_t stop, const std::string& name) {
  const Cella& cell = row.s.model.celle[static_cast<size_t>(stop)];
  if (is_free(cell)) return;
  const Place& origin = row.s.origins.cella[static_cast<size_t>(stop)];
  std::string text = "la fermata della stazione " + quoted_utf8(name) + " (cella " + std::to_string(stop) +
                     ") sostituisce " + object_name(cell.oggetto);
  if (origin.line > 0) text += " della riga " + std::to_string(origin.line);
  row.notes->add(WarningKind::kStopOverObject, at, text, std::nullopt, stop);
}

}  // namespace

Next read_station(const Row& row, int32_t& index) {
  FieldReader& in = row.in;
  TrackModel& m = row.s.model;
  // Stations and sign texts share the records; a station never takes a sign's.
  if (index >= m.next_sign_slot) return row.stop(ErrorCode::kTooManyStations, row.place, std::nullopt);
  Record& r = m.record[static_cast<size_t>(index)];
  row.s.origins.record[static_cast<size_t>(index)] = row.place;

  const int32_t position = in.number();
  const Place at = row.here();
  r.posizione_punto = position;
  if (beyond_track(m, position, kStationMargin)) return row.end_beyond_track(position, at);
  if (position % 50 != 0) return row.stop(ErrorCode::kStationOffGrid, at, position);
  if (row.notes) row.notes->point(at, position, row.line_end());

  r.tipo_punto = checked<uint8_t>(in.number());
  const int32_t length = in.number();  // not kept in the record
  if (length % 100 != 0) return row.stop(ErrorCode::kStationLengthOffGrid, row.here(), position);
  row.s.origins.station_time[static_cast<size_t>(index)] = read_columns(row, r);

  set_zone(r, position, length);
  if (length < kShortStation) r.dato_2 = 0;
  if (index == 1) {
    r.allungamento = 0;
    r.dato_2 = 0;
  }

  // The stopping categories: a stop cell just inside the zone's end and,
  // except for categories 5 and 6, approach codes in the four cells before.
  if (r.tipo_punto < kFirstPassedCategory) {
    const double zone_end_cell = r.fine_zona / 50.0;
    const int64_t stop = static_cast<int64_t>(nearest_even(zone_end_cell - 1));
    if (stop > m.last_cell) return row.end_beyond_track(position, at);
    if (r.tipo_punto != 5 && r.tipo_punto != 6) {
      for (int k = 1; k <= 4; ++k) {
        const double c = zone_end_cell - k - 1;
        if (c > 1) m.celle[static_cast<size_t>(nearest_even(c))].preavviso = static_cast<uint8_t>(80 + k);
      }
    }
    // Tested on the rounded cell: cell 1 must keep its header values free.
    if (stop <= 1) return row.stop(ErrorCode::kStopCellAtStart, at, std::nullopt, stop);
    if (row.notes) note_stop(row, at, stop, r.nome_punto);
    m.celle[static_cast<size_t>(stop)].oggetto = kStationStop;
    m.celle[static_cast<size_t>(stop)].valore1 = static_cast<int16_t>(index);
    row.s.origins.cella[static_cast<size_t>(stop)] = row.place;
  }

  if (index > 1 && int64_t{r.inizio_zona} - kMinimumGap < m.record[static_cast<size_t>(index) - 1].fine_zona) {
    return row.stop(ErrorCode::kStationsTooClose, at, position);
  }

  ++index;
  ++row.s.rows_read.stations;
  if (index >= m.next_sign_slot) return row.stop(ErrorCode::kTooManyStations, row.place, std::nullopt);
  return Next::kRow;
}

}  // namespace scenario
