#include "tools/describe.h"

#include "tools/text.h"

#include <cmath>
#include <limits>
#include <optional>
#include <cstdio>
#include <sstream>

namespace scenario::tools {
namespace {

Json cell_row(size_t index, const Cella& c) {
  Json row;
  row["cell"] = index;
  row["position_m"] = index * 50;
  row["object"] = c.oggetto;
  row["object_name"] = object_name(c.oggetto);
  row["valore1"] = c.valore1;
  row["valore2"] = c.valore2;
  row["valore3"] = c.valore3;
  row["valore4"] = c.valore4;
  row["tempo_segnale"] = c.tempo_segnale;
  row["preavviso"] = c.preavviso;
  row["montagna"] = c.montagna;
  row["velocita"] = c.velocita;
  row["speed_kmh"] = c.velocita * 5;
  row["pendenza"] = c.pendenza;
  row["gradient_permille"] = c.pendenza - 100;
  row["dato_treno"] = c.dato_treno;
  return row;
}

bool holds_anything(const Cella& c) {
  return c.oggetto || c.valore1 || c.valore2 || c.valore3 || c.valore4 || c.tempo_segnale ||
         c.preavviso || c.montagna || c.velocita || c.pendenza || c.dato_treno;
}

bool is_empty(const Record& r) {
  return r.tipo_punto == 0 && r.inizio_zona == 0 && r.fine_zona == 0 && r.posizione_punto == 0 &&
         r.dato_1 == 0 && r.nome_punto.empty() && r.dato_4 == 0 && r.dato_5 == 0 && r.dato_7 == 0 &&
         r.dato_8 == 0 && r.dato_9 == 0 && r.dato_6 == 0 && r.dato_10 == 0 &&
         r.allungamento == 0 && r.dato_2 == 0 && r.orario == 0;
}

// What a record slot holds in a compiled scenario.
std::string slot_role(size_t slot) {
  if (slot >= 84) return "header";
  if (slot >= 81) return "progressive";
  return "point";  // stations from slot 1 up, sign texts from slot 80 down
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

Json describe_track(const DecodedTrack& t) {
  Json j;
  j["kind"] = "track";
  j["cells"] = t.celle.size();
  if (t.celle.size() > 1) {
    j["header"] = {{"valore1", t.celle[1].valore1}, {"codice_gara_og", t.celle[1].valore2}};
  }
  Json rows = Json::array();
  for (size_t i = 0; i < t.celle.size(); ++i)
    if (holds_anything(t.celle[i])) rows.push_back(cell_row(i, t.celle[i]));
  j["rows"] = std::move(rows);
  return j;
}

Json describe_records(const DecodedRecords& d) {
  Json j;
  j["kind"] = "records";
  Json list = Json::array();
  for (size_t slot = 0; slot < d.record.size(); ++slot) {
    const Record& r = d.record[slot];
    if (is_empty(r)) continue;
    list.push_back({{"slot", slot},
                    {"role", slot_role(slot)},
                    {"tipo_punto", r.tipo_punto},
                    {"inizio_zona", r.inizio_zona},
                    {"fine_zona", r.fine_zona},
                    {"posizione_punto", r.posizione_punto},
                    {"dato_1", r.dato_1},
                    {"nome_punto", to_utf8(r.nome_punto)},
                    {"dato_4", r.dato_4},
                    {"dato_5", r.dato_5},
                    {"dato_7", r.dato_7},
                    {"dato_8", r.dato_8},
                    {"dato_9", r.dato_9},
                    {"dato_6", r.dato_6},
                    {"dato_10", r.dato_10},
                    {"allungamento", r.allungamento},
                    {"dato_2", r.dato_2},
                    {"orario", r.orario}});
  }
  j["records"] = std::move(list);
  return j;
}

Json describe_geometry(const DecodedGeometry& g) {
  Json j;
  j["kind"] = "geometry";
  j["points"] = g.x.size();
  size_t empty = 0, int16 = 0, doubles = 0;
  for (const Asse* axis : {&g.x, &g.y}) {
    for (size_t i = 0; i < axis->size(); ++i) {
      switch (axis->kind(i)) {
        case ElementKind::kEmpty: ++empty; break;
        case ElementKind::kInt16: ++int16; break;
        case ElementKind::kDouble: ++doubles; break;
      }
    }
  }
  j["tags"] = {{"empty", empty}, {"int16", int16}, {"double", doubles}};

  double min_x = std::numeric_limits<double>::infinity(), max_x = -min_x;
  double min_y = min_x, max_y = -min_x;
  std::optional<double> last_heading;
  double net = 0, total = 0;  // degrees turned since the first step: signed, and summed unsigned
  Json first_past_89 = nullptr;
  std::optional<std::pair<double, double>> prev;
  for (size_t i = 0; i < g.x.size(); ++i) {
    const auto x = element_value(g.x[i]);
    const auto y = element_value(g.y[i]);
    if (!x || !y) continue;
    min_x = std::min(min_x, *x), max_x = std::max(max_x, *x);
    min_y = std::min(min_y, *y), max_y = std::max(max_y, *y);
    if (prev) {
      // Heading in degrees, 0 along +y (the first step), positive to the right.
      const double heading = std::atan2(*x - prev->first, *y - prev->second) * 180.0 / kPi;
      if (last_heading) {
        double step = heading - *last_heading;
        if (step > 180) step -= 360;
        if (step < -180) step += 360;
        net += step;
        total += std::abs(step);
        if (first_past_89.is_null() && std::abs(net) > 89.0) first_past_89 = i;
      }
      last_heading = heading;
    }
    prev = std::make_pair(*x, *y);
  }
  if (prev) {
    j["bounding_box"] = {{"min_x", min_x}, {"max_x", max_x}, {"min_y", min_y}, {"max_y", max_y}};
  }
  j["total_turning_deg"] = total;
  j["net_turning_deg"] = net;
  j["first_turn_past_89_deg_m"] = first_past_89;
  return j;
}

namespace {

std::string render_track(const Json& j) {
  std::ostringstream out;
  out << "track: " << j["cells"] << " cells of 50 m\n";
  if (j.contains("header"))
    out << "header: valore1 " << j["header"]["valore1"] << ", codice_gara_og "
        << j["header"]["codice_gara_og"] << "\n";
  out << "  cell        m  object                         valore1..4                tempo prea mont  km/h  per_mille  aderenza\n";
  for (const Json& r : j["rows"]) {
    char line[200];
    std::snprintf(line, sizeof line, "%6d %8d  %-28s %6d %6d %6d %6d  %5d %4d %4d %5d %10d %9d\n",
                  r["cell"].get<int>(), r["position_m"].get<int>(),
                  r["object_name"].get<std::string>().c_str(), r["valore1"].get<int>(),
                  r["valore2"].get<int>(), r["valore3"].get<int>(), r["valore4"].get<int>(),
                  r["tempo_segnale"].get<int>(), r["preavviso"].get<int>(), r["montagna"].get<int>(),
                  r["speed_kmh"].get<int>(), r["gradient_permille"].get<int>(),
                  r["dato_treno"].get<int>());
    out << line;
  }
  return out.str();
}

std::string render_records(const Json& j) {
  std::ostringstream out;
  out << "records: " << j["records"].size() << " of 87 in use\n";
  for (const Json& r : j["records"]) {
    out << "[" << r["slot"] << "] " << r["role"].get<std::string>();
    for (const auto& [key, value] : r.items()) {
      if (key == "slot" || key == "role") continue;
      if (value.is_string() ? value.get<std::string>().empty() : value == 0) continue;
      out << " " << key << "=" << (value.is_string() ? "\"" + value.get<std::string>() + "\""
                                                     : value.dump());
    }
    out << "\n";
  }
  return out.str();
}

std::string render_geometry(const Json& j) {
  std::ostringstream out;
  out << "geometry: " << j["points"] << " points\n";
  out << "tags: " << j["tags"]["int16"] << " int16, " << j["tags"]["double"] << " double, "
      << j["tags"]["empty"] << " empty\n";
  if (j.contains("bounding_box")) {
    const Json& b = j["bounding_box"];
    out << "bounding box: x " << b["min_x"] << " .. " << b["max_x"] << ", y " << b["min_y"]
        << " .. " << b["max_y"] << "\n";
  }
  out << "turning: " << j["total_turning_deg"] << " degrees in all, net "
      << j["net_turning_deg"] << "\n";
  out << "heading first past 89 degrees at: "
      << (j["first_turn_past_89_deg_m"].is_null() ? std::string("never")
                                                   : j["first_turn_past_89_deg_m"].dump() + " m")
      << "\n";
  return out.str();
}

}  // namespace

std::string render_text(const Json& d) {
  const std::string kind = d["kind"];
  if (kind == "track") return render_track(d);
  if (kind == "records") return render_records(d);
  return render_geometry(d);
}

Json describe(const Decoded& d) {
  return std::visit(
      [](const auto& v) -> Json {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, DecodedTrack>) return describe_track(v);
        if constexpr (std::is_same_v<T, DecodedRecords>) return describe_records(v);
        if constexpr (std::is_same_v<T, DecodedGeometry>) return describe_geometry(v);
      },
      d);
}

}  // namespace scenario::tools
