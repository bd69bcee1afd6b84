// `scenario timetable` run as an author runs it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "test_support/files.h"
#include "test_support/process.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::write_file;

testing::ProcessResult timetable(std::vector<std::string> args) {
  args.insert(args.begin(), {SCENARIO_EXE, "timetable"});
  return testing::run_process(args);
}

const std::string kBuiltin = std::string(TESTDATA_DIR) + "/builtin";

nlohmann::json builtin_json(std::vector<std::string> more = {}) {
  std::vector<std::string> args = {"Montebrisca_Lurna", "7395", "--dir", kBuiltin, "--json"};
  args.insert(args.end(), more.begin(), more.end());
  const auto run = timetable(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

const nlohmann::json& station(const nlohmann::json& doc, const std::string& name) {
  for (const auto& s : doc["stations"])
    if (s["name"] == name) return s;
  static const nlohmann::json none;
  ADD_FAILURE() << "no station " << name;
  return none;
}

TEST(ScenarioTimetable, TheBuiltInRunKeepsItsTimesAcrossMidnight) {
  const auto run = timetable({"Montebrisca_Lurna", "7395", "--dir", kBuiltin});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("non la fisica del simulatore"), std::string::npos);
  EXPECT_NE(run.out.find("frenatura 0.62 m/s² (massa frenata 125 %)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nVALDEMO             54.850    00:"), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");

  const nlohmann::json doc = builtin_json();
  ASSERT_EQ(doc["stations"].size(), 22u);
  // It stops where the description gives a time, and nowhere else.
  std::vector<std::string> stops;
  for (const auto& s : doc["stations"])
    if (s["stops"].get<bool>()) stops.push_back(s["name"]);
  EXPECT_EQ(stops, (std::vector<std::string>{"MONTEBRISCA", "VALDEMO", "LURNA"}));
  const auto& valdemo = station(doc, "VALDEMO");
  EXPECT_EQ(valdemo["given"].get<double>(), 86400 + 22 * 60);  // 00:22 the next day
  EXPECT_EQ(valdemo["departure"].get<double>(), 86400 + 22 * 60);
  EXPECT_GT(valdemo["margin"].get<double>(), 0);
  const auto& lurna = station(doc, "LURNA");
  EXPECT_EQ(lurna["given"].get<double>(), 86400 + 52 * 60);
  EXPECT_GT(lurna["margin"].get<double>(), 0);
  EXPECT_EQ(lurna["line_metre"].get<int>(), 100750);
  // Each passing time comes after the one before.
  double before = 0;
  for (const auto& s : doc["stations"]) {
    EXPECT_GE(s["arrival"].get<double>(), before) << s["name"];
    before = s["departure"].get<double>();
  }
}

TEST(ScenarioTimetable, OptionsChangeTheTrain) {
  const nlohmann::json plain = builtin_json();
  const double plain_margin = station(plain, "VALDEMO")["margin"];
  // A longer dwell takes from the margin at the stop.
  const nlohmann::json dwell = builtin_json({"--dwell", "120"});
  EXPECT_NEAR(station(dwell, "VALDEMO")["margin"].get<double>(), plain_margin - 90, 1e-6);
  // An added stop stands there and arrives later after it.
  const nlohmann::json stop = builtin_json({"--stop", "CAVRESCINO"});
  const auto& cavrescino = station(stop, "CAVRESCINO");
  EXPECT_TRUE(cavrescino["stops"].get<bool>());
  EXPECT_NEAR(cavrescino["departure"].get<double>() - cavrescino["arrival"].get<double>(), 30, 1e-6);
  EXPECT_GT(station(stop, "SORBETO")["arrival"].get<double>(), station(plain, "SORBETO")["arrival"].get<double>() + 30);
  // Weaker acceleration, later everywhere.
  const nlohmann::json slow = builtin_json({"--acceleration", "0.2", "--braking", "0.3"});
  EXPECT_GT(station(slow, "POGGIO ALTO")["arrival"].get<double>(),
            station(plain, "POGGIO ALTO")["arrival"].get<double>() + 30);
  EXPECT_EQ(slow["parameters"]["braking"], 0.3);

  const auto unknown = timetable({"Montebrisca_Lurna", "7395", "--dir", kBuiltin, "--stop", "NESSUNA"});
  EXPECT_EQ(unknown.status, 0);
  EXPECT_NE(unknown.err.find("--stop: nessuna stazione si chiama «NESSUNA»"), std::string::npos) << unknown.err;
  for (const auto& [option, value] : {std::pair{"--dwell", "-3"}, std::pair{"--dwell", "1e300"},
                                      std::pair{"--acceleration", "0"}, std::pair{"--length", "nan"}})
    EXPECT_EQ(timetable({"Montebrisca_Lurna", "7395", "--dir", kBuiltin, option, value}).status, 1) << option << value;
}

TEST(ScenarioTimetable, SaysWhichTimeCannotBeKeptAndRefusesAFaultyPair) {
  TempDir dir;
  write_file(dir.path() / "T_linea.txt", "[generale]\r\nlunghezza percorso,    12000\r\n[fine]\r\n");
  const std::string head = "[generale]\r\norologio, 8 0 0\r\n[vel_limite]\r\nvelocita, 0, 100\r\n[stazioni]\r\n"
                           "stazione, 0, 2, 1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, A\r\n";
  // 9 km in one minute.
  write_file(dir.path() / "T_1-.txt",
             head + "stazione, 9000, 2, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 1, 0, B\r\n[fine]\r\n");
  const auto late = timetable({"T", "1", "--dir", dir.path().string()});
  EXPECT_EQ(late.status, 0) << late.err;
  EXPECT_NE(late.out.find("08:01:00  -"), std::string::npos) << late.out;
  EXPECT_NE(late.out.find("(l'orario non si può tenere)"), std::string::npos) << late.out;

  // A station off the 50 m grid: error 8, and no estimate.
  write_file(dir.path() / "T_1-.txt",
             head + "stazione, 9010, 2, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 1, 0, B\r\n[fine]\r\n");
  const auto faulty = timetable({"T", "1", "--dir", dir.path().string()});
  EXPECT_EQ(faulty.status, 2);
  EXPECT_EQ(faulty.out, "");
  EXPECT_NE(faulty.err.find("T_1-.txt:7:"), std::string::npos) << faulty.err;
  EXPECT_NE(faulty.err.find("errore 8"), std::string::npos) << faulty.err;
}

}  // namespace
}  // namespace scenario
