#include "tools/inspect/describe.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <sstream>

#include "readback/cell_words.h"
#include "compiler/output/layouts.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

const char* role_key(RecordRole role) {
  switch (role) {
    case RecordRole::kEmpty: break;
    case RecordRole::kStation: return "station";
    case RecordRole::kSign: return "sign";
    case RecordRole::kProgressive: return "progressive";
    case RecordRole::kTrainData: return "train_data";
    case RecordRole::kScenario: return "scenario";
    case RecordRole::kTrain: return "train";
    case RecordRole::kOther: return "other";
  }
  return "empty";
}

// The members of a record under their keys, in file order.
Json record_fields(const Record& r) {
  constexpr const char* kKeys[] = {"kind", "zone_start", "zone_end", "position", "data_1", "text",
                                   "data_4", "data_5", "data_7", "data_8", "data_9", "data_6",
                                   "data_10", "lengthened", "data_2", "time"};
  Json fields;
  size_t i = 0;
  layout::record_members([&](auto member) {
    const auto& value = r.*member;
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      fields[kKeys[i++]] = to_utf8(value);
    } else {
      fields[kKeys[i++]] = value;
    }
  });
  return fields;
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

Json describe_records(const DecodedRecords& d) {
  Json j;
  j["kind"] = "records";
  j["slots"] = kRecordCount;
  const auto roles = record_roles(d, nullptr);
  Json list = Json::array();
  for (int slot = 0; slot < kRecordCount; ++slot) {
    const RecordRole role = roles[static_cast<size_t>(slot)];
    if (role == RecordRole::kEmpty) continue;
    const Record& r = d.record[static_cast<size_t>(slot)];
    const auto clock = record_clock(r, role);
    list.push_back({{"slot", slot},
                    {"role", role_key(role)},
                    {"clock", clock ? Json(*clock) : Json()},
                    {"words", record_words(d, slot, role)},
                    {"fields", record_fields(r)}});
  }
  j["used"] = list.size();
  j["records"] = std::move(list);
  return j;
}

Json describe_geometry(const DecodedGeometry& g) {
  Json j;
  j["kind"] = "geometry";
  j["points"] = g.x.size();
  size_t empty = 0, int16 = 0, doubles = 0;
  for (const GeometryAxis* axis : {&g.x, &g.y}) {
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
  j["bounding_box"] =
      prev ? Json{{"min_x", min_x}, {"max_x", max_x}, {"min_y", min_y}, {"max_y", max_y}} : Json();
  j["total_turning_deg"] = total;
  j["net_turning_deg"] = net;
  j["first_turn_past_89_deg_m"] = first_past_89;
  return j;
}

namespace {

// A number of metres or degrees with one decimal.
std::string one_decimal(const Json& value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.1f", value.get<double>());
  return buf;
}

}  // namespace

std::string render_records(const Json& j) {
  std::ostringstream out;
  out << "record dello scenario: " << j["used"] << " di " << j["slots"] << " in uso\n";
  for (const Json& r : j["records"]) out << "  [" << r["slot"] << "] " << r["words"].get<std::string>() << "\n";
  return out.str();
}

std::string render_geometry(const Json& j) {
  std::ostringstream out;
  out << "geometria della linea: " << j["points"] << " punti, uno al metro\n";
  out << "elementi: " << j["tags"]["int16"] << " interi a 16 bit, " << j["tags"]["double"] << " double, "
      << j["tags"]["empty"] << " vuoti\n";
  if (const Json& b = j["bounding_box"]; !b.is_null()) {
    out << "ingombro: x da " << one_decimal(b["min_x"]) << " a " << one_decimal(b["max_x"]) << " m, y da "
        << one_decimal(b["min_y"]) << " a " << one_decimal(b["max_y"]) << " m\n";
  }
  out << "svolta: " << one_decimal(j["total_turning_deg"]) << " gradi in tutto, "
      << one_decimal(j["net_turning_deg"]) << " netti\n";
  out << "direzione oltre 89 gradi da quella iniziale: "
      << (j["first_turn_past_89_deg_m"].is_null() ? std::string("mai")
                                                   : "dal metro " + j["first_turn_past_89_deg_m"].dump())
      << "\n";
  return out.str();
}

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
        if constexpr (std::is_same_v<T, DecodedTrack>) return describe_track(v, TrackContext{});
        if constexpr (std::is_same_v<T, DecodedRecords>) return describe_records(v);
        if constexpr (std::is_same_v<T, DecodedGeometry>) return describe_geometry(v);
      },
      d);
}

}  // namespace scenario::tools
