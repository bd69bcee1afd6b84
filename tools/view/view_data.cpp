#include "tools/view/view_data.h"

#include <cmath>

#include "compiler/model/numbers.h"
#include "readback/cell_words.h"
#include "readback/compiled_route.h"
#include "timetable/running_time.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;

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

Json object_of(const RouteObject& object, const Cella& c, const DecodedRecords& records) {
  const int64_t at = object.at;
  Json o = {{"cell", object.cell}, {"at", at}, {"kind", kind_of(c.oggetto)}, {"code", c.oggetto}, {"label", ""},
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

// Tenths of km/h are more than the page can draw or a reader tell apart, and
// keep the longest route's 20 000 samples short; a whole speed, as most are
// where the train holds a limit, is written without its ".0".
Json speed_tenths(double kmh) {
  const double v = std::round(kmh * 10) / 10;
  return v == std::floor(v) ? Json(static_cast<int64_t>(v)) : Json(v);
}

// The earliest run with the default train, or null when there are not two
// stations to run between.
Json estimate_of(const DecodedTrack& track, const DecodedRecords& records, const CompiledRoute& route) {
  const auto run =
      estimate_run(track.celle, records.record, static_cast<int>(route.stations.size()), TrainParameters{});
  if (!run) return Json();
  Json speed = Json::array();
  for (const float v : run->speed) speed.push_back(speed_tenths(v));
  Json stations = Json::array();
  for (const StationTime& s : run->stations) {
    // Whole seconds, as `scenario timetable` prints them; the margin rounded
    // towards the late side, so that a time the estimate misses never reads
    // as kept.
    stations.push_back({{"slot", s.slot},
                        {"stops", s.stops},
                        {"arrival", std::llround(s.arrival)},
                        {"departure", std::llround(s.departure)},
                        {"given", s.given ? Json(std::llround(*s.given)) : Json()},
                        {"margin", s.margin ? Json(static_cast<int64_t>(std::floor(*s.margin))) : Json()}});
  }
  const UsedParameters& p = run->used;
  return {{"parameters", {{"acceleration", p.acceleration}, {"braking", p.braking}, {"dwell", p.dwell},
                          {"length", p.length}}},
          {"from", run->speed_from},
          {"step", kSpeedSampleMetres},
          {"speed", std::move(speed)},
          {"stations", std::move(stations)}};
}

}  // namespace

Json view_data(const ViewInput& in) {
  const auto& cells = in.track->celle;
  const DecodedRecords& records = *in.records;
  const CompiledRoute route = compiled_route(in.records, *in.track);
  Json d;
  d["title"] = in.title;
  d["route_length"] = route.length;
  d["last_cell"] = cells.empty() ? 0 : cells.size() - 1;

  Json kilometre = Json::array();
  for (const KilometreStretch& s : route.kilometre)
    kilometre.push_back({{"from", s.from}, {"to", s.to ? Json(*s.to) : Json()}, {"offset", s.offset}});
  d["kilometre"] = std::move(kilometre);

  d["plan"] = in.geometry ? plan_points(*in.geometry, route.length) : Json();
  d["no_plan"] = in.no_plan;

  Json speed = Json::array(), gradient = Json::array(), adhesion = Json::array(), mountain = Json::array(),
       approach = Json::array(), signal_time = Json::array();
  for (const Cella& c : cells) {
    speed.push_back(speed_kmh(c));
    gradient.push_back(gradient_permille(c));
    adhesion.push_back(c.dato_treno);
    mountain.push_back(c.montagna);
    approach.push_back(c.preavviso);
    signal_time.push_back(c.tempo_segnale);
  }
  d["cells"] = {{"speed", std::move(speed)},       {"gradient", std::move(gradient)},
                {"adhesion", std::move(adhesion)}, {"mountain", std::move(mountain)},
                {"approach", std::move(approach)}, {"signal_time", std::move(signal_time)}};

  Json objects = Json::array();
  for (const RouteObject& o : route.objects) objects.push_back(object_of(o, cells[static_cast<size_t>(o.cell)], records));
  d["objects"] = std::move(objects);

  Json stations = Json::array();
  for (const RouteStation& s : route.stations) {
    stations.push_back({{"slot", s.slot},
                        {"name", s.name},
                        {"position", s.position},
                        {"zone", {s.zone_from, s.zone_to}},
                        {"stop_cell", s.stop_cell ? Json(*s.stop_cell) : Json()},
                        {"time", s.time != 0 ? Json(clock_text(s.time)) : Json()}});
  }
  d["stations"] = std::move(stations);
  d["estimate"] = estimate_of(*in.track, records, route);

  Json slowdowns = Json::array();
  for (const RouteSlowdown& s : route.slowdowns)
    slowdowns.push_back(
        {{"from", s.from}, {"to", s.to}, {"speed", s.speed}, {"warning", s.warning ? Json(*s.warning) : Json()}});
  d["slowdowns"] = std::move(slowdowns);

  Json mountains = Json::array();
  for (const MountainStretch& m : route.mountains)
    mountains.push_back({{"from", m.from}, {"to", m.to}, {"type", m.type}});
  d["mountains"] = std::move(mountains);

  Json stale = Json::array();
  for (const StaleFile& s : in.stale) stale.push_back({{"file", s.file.filename().string()}, {"reason", s.reason}});
  d["stale"] = std::move(stale);
  d["diagnostics"] = in.diagnostics ? *in.diagnostics : Json();
  return d;
}

}  // namespace scenario::tools
