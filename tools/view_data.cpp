#include "tools/view_data.h"

#include <cmath>
#include <map>

#include "compiler/model/numbers.h"
#include "readback/cell_words.h"
#include "readback/line_kilometre.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;

int64_t object_position(size_t cell) { return object_metre(static_cast<int64_t>(cell)); }

// The plan keeps about this many points, so that the longest route's page
// stays small and quick to draw; never closer than 5 m.
constexpr size_t kPlanPoints = 50'000;

Json plan_points(const DecodedGeometry& g, int32_t route_length) {
  const size_t last = std::min(g.x.size(), static_cast<size_t>(std::max(route_length, 1)) + 1) - 1;
  const size_t step = std::max<size_t>(5, (last + kPlanPoints - 1) / kPlanPoints);
  Json xs = Json::array(), ys = Json::array();
  int64_t px = 0, py = 0;
  for (size_t i = 0;; i = std::min(i + step, last)) {
    const auto x = element_value(g.x[i]);
    const auto y = element_value(g.y[i]);
    if (!x || !y) break;
    const int64_t dx = std::llround(*x * 10), dy = std::llround(*y * 10);
    xs.push_back(dx - px);
    ys.push_back(dy - py);
    px = dx, py = dy;
    if (i == last) break;
  }
  return {{"step", step}, {"x", std::move(xs)}, {"y", std::move(ys)}};
}

const char* kind_of(uint8_t code) {
  switch (code) {
    case kSignal: return "signal";
    case kSlowdownEnd: return "slowdown_end";
    case kSlowdownStart: return "slowdown_start";
    case kSlowdownWarning: return "warning";
    case kSlowdownApproach: return "approach";
    case kSpeedIndicator: return "boards";
    case kStationStop: return "stop";
    case kMountainMarker: return "mountain_marker";
    case kReductionPositive: return "reduction";
    case kReductionZero: return "reduction_zero";
    case kDirectionSign: return "sign";
    default: return "unknown";
  }
}

std::string speeds_text(const Json& speeds) {
  std::string s;
  for (const Json& v : speeds) s.append(s.empty() ? "" : "/").append(v.is_null() ? std::string("?") : v.dump());
  return s;
}

Json object_of(size_t i, const Cella& c, const DecodedRecords& records) {
  const int64_t at = object_position(i);
  Json o = {{"cell", i}, {"at", at}, {"kind", kind_of(c.oggetto)}, {"code", c.oggetto}, {"label", ""},
            {"words", cell_words(c, &records)}};
  switch (c.oggetto) {
    case kSignal: o["label"] = "S " + std::to_string(at); break;
    case kSpeedIndicator: {
      Json left = Json::array(), right = Json::array();
      bool any_right = false;
      for (const int16_t v : {c.valore1, c.valore2, c.valore3}) {
        const auto s = board_speeds(v);
        left.push_back(s ? Json(s->left) : Json());
        right.push_back(s ? Json(s->right) : Json());
        any_right = any_right || (s && s->right);
      }
      o["label"] = speeds_text(left) + (any_right ? " | " + speeds_text(right) : "");
      o["left"] = std::move(left);
      o["right"] = std::move(right);
      break;
    }
    case kDirectionSign:
      if (c.valore1 >= 0 && c.valore1 <= kFirstSignSlot)
        o["label"] = to_utf8(records.record[static_cast<size_t>(c.valore1)].nome_punto);
      break;
    case kSlowdownWarning: o["label"] = "avviso " + std::to_string(c.valore1); break;
    case kSlowdownStart: o["label"] = "rall. " + std::to_string(c.valore1); break;
    case kSlowdownEnd: o["label"] = "fine rall."; break;
    default: break;
  }
  return o;
}

}  // namespace

Json view_data(const ViewInput& in) {
  const auto& cells = in.track->celle;
  const DecodedRecords& records = *in.records;
  const int32_t length = records.record[kTrainDataSlot].fine_zona;
  Json d;
  d["title"] = in.title;
  d["route_length"] = length;
  d["last_cell"] = cells.empty() ? 0 : cells.size() - 1;

  Json kilometre = Json::array();
  for (const KilometreStretch& s : kilometre_stretches(records))
    kilometre.push_back({{"from", s.from}, {"to", s.to ? Json(*s.to) : Json()}, {"offset", s.offset}});
  d["kilometre"] = std::move(kilometre);

  d["plan"] = in.geometry ? plan_points(*in.geometry, length) : Json();
  d["no_plan"] = in.no_plan;

  Json speed = Json::array(), gradient = Json::array(), adhesion = Json::array(), mountain = Json::array(),
       approach = Json::array(), signal_time = Json::array();
  Json objects = Json::array(), slowdowns = Json::array();
  std::map<int, size_t> stop_cells;  // station slot -> its stop cell
  Json warning, slowdown_start;  // metres, null when none is open
  int slowdown_speed = 0;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cella& c = cells[i];
    speed.push_back(speed_kmh(c));
    gradient.push_back(gradient_permille(c));
    adhesion.push_back(c.dato_treno);
    mountain.push_back(c.montagna);
    approach.push_back(c.preavviso);
    signal_time.push_back(c.tempo_segnale);
    if (c.oggetto == kNothing) continue;
    objects.push_back(object_of(i, c, records));
    if (c.oggetto == kStationStop) stop_cells.emplace(c.valore1, i);
    if (c.oggetto == kSlowdownWarning) warning = object_position(i);
    if (c.oggetto == kSlowdownStart) slowdown_start = object_position(i), slowdown_speed = c.valore1;
    if (c.oggetto == kSlowdownEnd && !slowdown_start.is_null()) {
      slowdowns.push_back({{"from", slowdown_start}, {"to", object_position(i)}, {"speed", slowdown_speed},
                           {"warning", warning}});
      slowdown_start = nullptr;
      warning = nullptr;
    }
  }
  d["cells"] = {{"speed", std::move(speed)},       {"gradient", std::move(gradient)},
                {"adhesion", std::move(adhesion)}, {"mountain", std::move(mountain)},
                {"approach", std::move(approach)}, {"signal_time", std::move(signal_time)}};
  d["objects"] = std::move(objects);

  const auto roles = record_roles(records, in.track);
  Json stations = Json::array();
  for (int slot = 1; slot <= kFirstSignSlot; ++slot) {
    const Record& r = records.record[static_cast<size_t>(slot)];
    if (roles[static_cast<size_t>(slot)] != RecordRole::kStation) continue;
    const auto stop = stop_cells.find(slot);
    stations.push_back({{"slot", slot},
                        {"name", to_utf8(r.nome_punto)},
                        {"position", r.posizione_punto},
                        {"zone", {r.inizio_zona, r.fine_zona}},
                        {"stop_cell", stop == stop_cells.end() ? Json() : Json(stop->second)},
                        {"time", clock_text(r.orario)}});
  }
  d["stations"] = std::move(stations);
  d["slowdowns"] = std::move(slowdowns);

  Json mountains = Json::array();
  for (size_t i = 0; i < cells.size(); ++i) {
    const int type = cells[i].montagna;
    const auto from = static_cast<int64_t>(i) * kCellMetres;
    if (!type) continue;
    if (!mountains.empty() && mountains.back()["to"] == from && mountains.back()["type"] == type) {
      mountains.back()["to"] = from + kCellMetres;
    } else {
      mountains.push_back({{"from", from}, {"to", from + kCellMetres}, {"type", type}});
    }
  }
  d["mountains"] = std::move(mountains);

  Json stale = Json::array();
  for (const StaleFile& s : in.stale) stale.push_back({{"file", s.file.filename().string()}, {"reason", s.reason}});
  d["stale"] = std::move(stale);
  d["diagnostics"] = in.diagnostics ? *in.diagnostics : Json();
  return d;
}

}  // namespace scenario::tools
