#include "tools/view/view_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

#include "tools/route_in_memory.h"

namespace scenario::tools {
namespace {

using Json = nlohmann::ordered_json;
namespace fs = std::filesystem;

// A 2000 m line running north, with one object of each kind the page draws.
struct SmallRoute {
  DecodedRecords records;
  DecodedTrack track;
  DecodedGeometry geometry;

  SmallRoute() {
    records.record[1] = Record{};
    records.record[1].nome_punto = "BORGO";
    records.record[1].posizione_punto = 500;
    records.record[1].inizio_zona = 0;
    records.record[1].fine_zona = 1000;
    records.record[1].orario = 8 * 3600;
    records.record[80].nome_punto = "(PL km)(40+700)";
    records.record[81].fine_zona = 40000;
    records.record[81].posizione_punto = 1;
    records.record[84].fine_zona = 2000;
    track.celle.resize(181);
    for (Cella& c : track.celle) c.velocita = 20, c.pendenza = 103, c.dato_treno = 90;
    place(10, kSignal, 40, 0, 0, 3);
    place(19, kStationStop, 1);
    place(20, kSpeedIndicator, 2512, 2700, 2700, 2);
    place(30, kDirectionSign, 80);
    place(8, kSlowdownWarning, 30);
    place(33, kSlowdownStart, 30);
    place(37, kSlowdownEnd, 30);
    track.celle[12].montagna = 3;
    track.celle[13].montagna = 3;
    geometry = DecodedGeometry{GeometryAxis(9001), GeometryAxis(9001)};
    for (size_t i = 0; i <= 9000; ++i) {
      if (i < 2) {
        geometry.x.set(i, int16_t{0});
        geometry.y.set(i, static_cast<int16_t>(i));
      } else {
        geometry.x.set(i, 0.0);
        geometry.y.set(i, static_cast<double>(i));
      }
    }
  }

  void place(size_t cell, uint8_t code, int16_t v1, int16_t v2 = 0, int16_t v3 = 0, int16_t v4 = 0) {
    Cella& c = track.celle[cell];
    c.oggetto = code, c.valore1 = v1, c.valore2 = v2, c.valore3 = v3, c.valore4 = v4;
  }

  ViewInput input() const {
    ViewInput in;
    in.records = &records;
    in.track = &track;
    in.geometry = &geometry;
    in.title = "Piccola - treno 1";
    return in;
  }
};

TEST(ViewData, ObjectsStationsAndStretches) {
  const SmallRoute r;
  const Json d = view_data(r.input());
  EXPECT_EQ(d["route_length"], 2000);
  EXPECT_EQ(d["last_cell"], 180);
  EXPECT_EQ(d["kilometre"], Json::parse(R"([{"from":0,"to":null,"offset":40000}])"));

  ASSERT_EQ(d["objects"].size(), 7u);
  const Json& signal = d["objects"][1];
  EXPECT_EQ(signal["cell"], 10);
  EXPECT_EQ(signal["at"], 450);
  EXPECT_EQ(signal["kind"], "signal");
  EXPECT_EQ(signal["label"], "S 450");
  EXPECT_EQ(signal["words"].get<std::string>().rfind("segnale: codici d'aspetto sinistri 4, 0, 0", 0), 0u);
  const Json& boards = d["objects"][3];
  EXPECT_EQ(boards["kind"], "boards");
  EXPECT_EQ(boards["left"], Json::parse("[125,135,135]"));
  EXPECT_EQ(boards["right"], Json::parse("[60,0,0]"));
  EXPECT_EQ(boards["label"], "125/135/135 | 60/0/0");
  EXPECT_EQ(d["objects"][4]["label"], "(PL km)(40+700)");

  EXPECT_EQ(d["stations"], Json::parse(R"([{"slot":1,"name":"BORGO","position":500,"zone":[0,1000],
                                            "stop_cell":19,"time":"08:00:00"}])"));
  EXPECT_EQ(d["slowdowns"], Json::parse(R"([{"from":1600,"to":1800,"speed":30,"warning":350}])"));
  EXPECT_EQ(d["mountains"], Json::parse(R"([{"from":600,"to":700,"type":3}])"));
  EXPECT_EQ(d["cells"]["speed"][5], 100);
  EXPECT_EQ(d["cells"]["gradient"][5], 3);
  EXPECT_EQ(d["cells"]["speed"].size(), 181u);
  EXPECT_EQ(d["diagnostics"], nullptr);
}

// The estimate needs two stations to run between; a station with no stop
// object runs from its position.
TEST(ViewData, EstimateNeedsTwoStations) {
  SmallRoute one;
  EXPECT_EQ(view_data(one.input())["estimate"], nullptr);

  SmallRoute none;
  none.records.record[1] = Record{};
  none.track.celle[19] = Cella{};
  EXPECT_EQ(view_data(none.input())["estimate"], nullptr);

  SmallRoute two;
  two.records.record[2].nome_punto = "CASALE";
  two.records.record[2].posizione_punto = 1700;
  two.records.record[2].inizio_zona = 1500;
  two.records.record[2].fine_zona = 1900;
  const Json d = view_data(two.input());
  ASSERT_EQ(d["stations"].size(), 2u);
  EXPECT_EQ(d["stations"][1]["time"], nullptr);
  const Json& e = d["estimate"];
  ASSERT_TRUE(e.is_object()) << e;
  EXPECT_EQ(e["from"], 900);  // BORGO's stop, cell 19
  EXPECT_EQ(e["step"], 50);
  EXPECT_EQ(e["speed"].size(), 17u);  // 900 to 1700 m
  EXPECT_EQ(e["stations"][0]["slot"], 1);
  EXPECT_EQ(e["stations"][1]["slot"], 2);
  EXPECT_EQ(e["stations"][0]["departure"], 8 * 3600);
  EXPECT_EQ(e["stations"][1]["given"], nullptr);
  EXPECT_EQ(e["stations"][1]["margin"], nullptr);
}

// The built-in route's page carries the earliest run with the default train:
// every station in route order, stopping only where the description gives a
// time, and the speed sampled on the route's own metres.
TEST(ViewData, EstimateOfTheBuiltInRoute) {
  const fs::path builtin = fs::path(TESTDATA_DIR) / "builtin";
  std::ostringstream err;
  const auto route = route_in_memory("Montebrisca_Lurna", "7395",
                                     {builtin / "Montebrisca_Lurna_linea.txt", builtin / "Montebrisca_Lurna_7395-.txt"},
                                     err);
  ASSERT_TRUE(route) << err.str();
  ViewInput in;
  in.records = &route->records;
  in.track = &route->track;
  in.no_plan = "senza pianta";
  const Json d = view_data(in);
  const Json& e = d["estimate"];
  ASSERT_TRUE(e.is_object()) << e;
  EXPECT_EQ(e["parameters"]["dwell"], 30);
  EXPECT_EQ(e["parameters"]["acceleration"], 0.5);

  ASSERT_EQ(e["stations"].size(), 22u);
  ASSERT_EQ(d["stations"].size(), 22u);
  std::vector<std::string> stops;
  for (size_t k = 0; k < 22; ++k) {
    const Json& s = e["stations"][k];
    const Json& station = d["stations"][k];
    ASSERT_EQ(s["slot"], station["slot"]) << k;
    EXPECT_EQ(s["given"].is_null(), station["time"].is_null()) << station["name"];
    // The first station leaves at its time: it has no margin.
    EXPECT_EQ(s["margin"].is_null(), k == 0 || s["given"].is_null()) << station["name"];
    if (s["stops"].get<bool>()) stops.push_back(station["name"]);
    if (k > 0) {
      EXPECT_GE(s["arrival"].get<double>(), e["stations"][k - 1]["departure"].get<double>()) << k;
    }
  }
  EXPECT_EQ(stops, (std::vector<std::string>{"MONTEBRISCA", "VALDEMO", "LURNA"}));
  EXPECT_EQ(d["stations"][0]["time"], "23:50:00");
  size_t at = 0;
  while (at < 22 && d["stations"][at]["name"] != "VALDEMO") ++at;
  ASSERT_LT(at, 22u);
  const Json& valdemo = e["stations"][at];
  EXPECT_EQ(valdemo["given"], 86400 + 22 * 60);  // 00:22 the next day
  EXPECT_GT(valdemo["margin"].get<double>(), 0);
  EXPECT_GE(valdemo["departure"].get<double>(), valdemo["arrival"].get<double>() + 30);

  // From the first stop to the last, every 50 m, standing at both ends and
  // never above the limit of the cell it starts.
  const auto stop_metre = [&](const Json& station) { return (station["stop_cell"].get<int64_t>() - 1) * 50; };
  const int64_t from = e["from"], last = stop_metre(d["stations"][21]);
  EXPECT_EQ(from, stop_metre(d["stations"][0]));
  const Json& speed = e["speed"];
  ASSERT_EQ(speed.size(), static_cast<size_t>((last - from) / 50 + 1));
  EXPECT_EQ(speed.front(), 0);
  EXPECT_EQ(speed.back(), 0);
  double fastest = 0;
  for (size_t k = 0; k < speed.size(); ++k) {
    const double v = speed[k];
    const auto cell = static_cast<size_t>((from + 50 * static_cast<int64_t>(k)) / 50);
    const double limit = std::max(d["cells"]["speed"][cell].get<double>(), 10.0);
    ASSERT_LE(v, limit + 0.05) << "at " << from + 50 * static_cast<int64_t>(k) << " m";
    ASSERT_NEAR(v * 10, std::round(v * 10), 1e-6) << k;
    fastest = std::max(fastest, v);
  }
  EXPECT_GT(fastest, 100);
}

// Points every 5 m from 0 to the line's end (not the model's extension), in
// decimetres, each after the first as a difference.
TEST(ViewData, PlanPointsAreDecimetreSteps) {
  const SmallRoute r;
  const Json d = view_data(r.input());
  const Json& plan = d["plan"];
  EXPECT_EQ(plan["step"], 5);
  ASSERT_EQ(plan["y"].size(), 401u);
  EXPECT_EQ(plan["y"][0], 0);
  for (size_t i = 1; i < 401; ++i) ASSERT_EQ(plan["y"][i], 50) << i;
  for (const Json& dx : plan["x"]) ASSERT_EQ(dx, 0);

  ViewInput without = r.input();
  without.geometry = nullptr;
  without.no_plan = "Pianta non disponibile";
  without.diagnostics = Json::array({{{"severity", "error"}, {"message", "m"}}});
  without.stale = {{"x/Piccola_linea.dat", "motivo", true}};
  const Json e = view_data(without);
  EXPECT_EQ(e["plan"], nullptr);
  EXPECT_EQ(e["no_plan"], "Pianta non disponibile");
  EXPECT_EQ(e["diagnostics"], without.diagnostics);
  EXPECT_EQ(e["stale"], Json::parse(R"([{"file":"Piccola_linea.dat","reason":"motivo"}])"));
}

}  // namespace
}  // namespace scenario::tools
