#include "compiler/model/model.h"

#include "compiler/model/numbers.h"

namespace scenario {

void create_model(TrackModel& m, int32_t route_length, bool with_geometry) {
  m.lunghezza_totale = route_length + kModelExtension;
  m.last_cell = static_cast<int32_t>(nearest_even(m.lunghezza_totale / 50.0));
  m.celle.assign(static_cast<size_t>(m.last_cell) + 1, Cella{});
  m.geometry = Geometry{};
  if (with_geometry) {
    const size_t points = static_cast<size_t>(m.lunghezza_totale) + 1;
    m.geometry.x = GeometryAxis(points);
    m.geometry.y = GeometryAxis(points);
  }
}

GeometryElement GeometryAxis::operator[](size_t i) const {
  switch (kind(i)) {
    case ElementKind::kInt16:
      return static_cast<int16_t>(value_[i]);
    case ElementKind::kDouble:
      return value_[i];
    case ElementKind::kEmpty:
      break;
  }
  return std::monostate{};
}

std::string object_name(int code) {
  switch (code) {
    case kNothing: return "";
    case kSignal: return "segnale";
    case kSlowdownEnd: return "fine rallentamento";
    case kSlowdownStart: return "inizio rallentamento";
    case kSlowdownWarning: return "avviso rallentamento";
    case kSlowdownApproach: return "preavviso rallentamento";
    case kSpeedIndicator: return "indicatore di velocità massima";
    case kStationStop: return "fermata di stazione";
    case kMountainMarker: return "segno di montagna";
    case kReductionPositive: return "punto di abbattimento";
    case kReductionZero: return "punto di abbattimento a zero";
    case kDirectionSign: return "cartello indicatore";
    default: return "codice " + std::to_string(code);
  }
}

int count_objects(const TrackModel& m, ObjectCode code) {
  int n = 0;
  for (const Cella& c : m.celle) n += c.oggetto == code;
  return n;
}

void clear_records(TrackModel& m) { m.record.fill(Record{}); }

}  // namespace scenario
