#include "timetable/running_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace scenario {
namespace {

// A level route of `metres`, every cell at `kmh`, with stations placed by
// `station`; the train accelerates and brakes at 0.5 m/s², dwells 60 s and
// has no length unless a test gives one.
struct TestRoute {
  std::vector<Cella> celle;
  std::array<Record, kRecordCount> record{};
  int stations = 0;
  TrainParameters train;

  TestRoute(int64_t metres, int kmh) : celle(static_cast<size_t>(metres / kCellMetres + 10)) {
    for (Cella& c : celle) {
      c.velocita = static_cast<uint8_t>(kmh / 5);
      c.pendenza = 100;
    }
    train.acceleration = 0.5;
    train.braking = 0.5;
    train.length = 0;
    train.dwell = 60;
  }
  void limit(int64_t from, int64_t to, int kmh) {
    for (int64_t m = from; m < to; m += kCellMetres) celle[static_cast<size_t>(m / kCellMetres)].velocita = static_cast<uint8_t>(kmh / 5);
  }
  void gradient(int64_t from, int64_t to, int permille) {
    for (int64_t m = from; m < to; m += kCellMetres) celle[static_cast<size_t>(m / kCellMetres)].pendenza = static_cast<uint8_t>(100 + permille);
  }
  // A station whose stop object stands at `metre`; `time` 0 gives none.
  void station(int64_t metre, int32_t time = 0) {
    const int slot = ++stations;
    Record& r = record[static_cast<size_t>(slot)];
    r.posizione_punto = static_cast<int32_t>(metre);
    r.nome_punto = "S" + std::to_string(slot);
    r.orario = time;
    Cella& stop = celle[static_cast<size_t>(metre / kCellMetres + 1)];
    stop.oggetto = kStationStop;
    stop.valore1 = static_cast<int16_t>(slot);
  }
  void slowdown(int64_t from, int64_t to, int kmh) {
    Cella& start = celle[static_cast<size_t>(from / kCellMetres + 1)];
    start.oggetto = kSlowdownStart;
    start.valore1 = static_cast<int16_t>(kmh);
    celle[static_cast<size_t>(to / kCellMetres + 1)].oggetto = kSlowdownEnd;
  }
  RunEstimate run() const {
    const auto run = estimate_run(celle, record, stations, train);
    EXPECT_TRUE(run.has_value());
    return run.value_or(RunEstimate{});
  }
  double running_time() const {
    const RunEstimate r = run();
    return r.stations.empty() ? 0 : r.stations.back().arrival - r.stations.front().departure;
  }
};

// Seconds to cover `d` metres from rest to rest at `v` m/s at most, with
// acceleration a and braking b: accelerate, hold, brake, or when the run is
// too short to reach v, accelerate and brake at once.
double stop_to_stop(double d, double v, double a, double b) {
  const double ramps = v * v / (2 * a) + v * v / (2 * b);
  if (ramps > d) {
    const double peak = std::sqrt(2 * d * a * b / (a + b));
    return peak / a + peak / b;
  }
  return v / a + v / b + (d - ramps) / v;
}

constexpr double kTolerance = 1.0;  // seconds: the run is computed every 5 m

TEST(RunningTime, StopToStopAgainstTheClosedForm) {
  struct Case {
    const char* what;
    int64_t metres;
    int kmh;
  };
  for (const Case c : {Case{"accelerate, hold, brake", 5000, 90}, Case{"never reaches the limit", 400, 90},
                       Case{"a long run at 160", 40000, 160}}) {
    TestRoute route(c.metres + 1000, c.kmh);
    route.station(0);
    route.station(c.metres);
    EXPECT_NEAR(route.running_time(), stop_to_stop(double(c.metres), c.kmh / 3.6, 0.5, 0.5), kTolerance) << c.what;
  }
  // Hand computed: 50 s to 25 m/s over 625 m, 150 s held over 3750 m, 50 s braking.
  TestRoute route(6000, 90);
  route.station(0);
  route.station(5000);
  EXPECT_NEAR(route.running_time(), 250, kTolerance);
}

TEST(RunningTime, BrakesToALowerLimitBeforeItsBoard) {
  TestRoute route(7000, 90);
  route.limit(3000, 7000, 45);
  route.station(0);
  route.station(6000);
  const RunEstimate run = route.run();
  // At the board (3000 m) the train runs at 45 km/h already, and was faster
  // before it.
  const auto sample = [&](int64_t metre) { return run.speed[static_cast<size_t>((metre - run.speed_from) / kSpeedSampleMetres)]; };
  EXPECT_NEAR(sample(3000), 45, 0.5);
  EXPECT_GT(sample(2500), 80);
  // 25 m/s reached in 50 s (625 m), held for 1906.25 m, braked to 12.5 m/s
  // in 25 s (468.75 m) ending at the board, held for 2843.75 m, braked in 25 s.
  EXPECT_NEAR(route.running_time(), 50 + 76.25 + 25 + 227.5 + 25, kTolerance);
}

TEST(RunningTime, ASlowdownHoldsUntilTheTailHasPassed) {
  // A 40 km/h slowdown from 3000 to 3500 m on a 90 km/h line; a train of 200
  // m may speed up again only at 3700 m.
  TestRoute route(8000, 90);
  route.slowdown(3000, 3500, 40);
  route.station(0);
  route.station(7000);
  route.train.length = 200;
  const RunEstimate run = route.run();
  const auto sample = [&](int64_t metre) { return run.speed[static_cast<size_t>((metre - run.speed_from) / kSpeedSampleMetres)]; };
  EXPECT_NEAR(sample(3000), 40, 0.5);
  EXPECT_NEAR(sample(3650), 40, 0.5);
  EXPECT_GT(sample(3800), 40);
  // The stretch at 40 km/h is 700 m; around it the train brakes from and
  // accelerates back to 25 m/s at 0.5 m/s².
  const double v = 25, w = 40 / 3.6;
  const double ramp_time = (v - w) / 0.5, ramp_metres = (v * v - w * w) / (2 * 0.5);
  const double expected = v / 0.5 * 2 + ramp_time * 2 + 700 / w + (7000 - 2 * v * v / (2 * 0.5) - 2 * ramp_metres - 700) / v;
  EXPECT_NEAR(route.running_time(), expected, kTolerance);
}

TEST(RunningTime, DwellsWhereTheDescriptionGivesATimeAndKeepsTheTimetable) {
  // 23:50 away; the middle station's time leaves the train waiting there
  // past midnight; the last station is passed by no one and stopped at.
  TestRoute route(11000, 90);
  route.station(0, 23 * 3600 + 50 * 60);
  route.station(2500);
  route.station(5000, 5 * 60);
  route.station(10000);
  const RunEstimate run = route.run();
  ASSERT_EQ(run.stations.size(), 4u);
  const double leg = stop_to_stop(5000, 25, 0.5, 0.5);
  const double away = 23 * 3600 + 50 * 60;
  EXPECT_FALSE(run.stations[1].stops);
  EXPECT_TRUE(run.stations[2].stops);
  EXPECT_TRUE(run.stations[3].stops);
  EXPECT_NEAR(run.stations[2].arrival, away + leg, kTolerance);
  EXPECT_DOUBLE_EQ(*run.stations[2].given, kSecondsPerDay + 5 * 60);  // the next day
  EXPECT_NEAR(*run.stations[2].margin, kSecondsPerDay + 300 - (away + leg + 60), kTolerance);
  EXPECT_DOUBLE_EQ(run.stations[2].departure, kSecondsPerDay + 300);
  EXPECT_NEAR(run.stations[3].arrival, kSecondsPerDay + 300 + leg, kTolerance);
  EXPECT_EQ(clock_text(run.stations[2].departure), "00:05:00");

  // A time too early: the margin is negative and the train leaves after its dwell.
  TestRoute late(11000, 90);
  late.station(0, 10 * 3600);
  late.station(5000, 10 * 3600 + 60);
  late.station(10000);
  const RunEstimate l = late.run();
  EXPECT_NEAR(*l.stations[1].margin, 60 - leg - 60, kTolerance);
  EXPECT_NEAR(l.stations[1].departure, 10 * 3600 + leg + 60, kTolerance);

  // An extra stop dwells the same.
  TestRoute extra(11000, 90);
  extra.station(0);
  extra.station(5000);
  extra.station(10000);
  extra.train.extra_stops = {"S2"};
  extra.train.dwell = 120;
  EXPECT_NEAR(extra.running_time(), 2 * leg + 120, kTolerance);
}

TEST(RunningTime, ParametersFromTheTrainData) {
  TestRoute route(6000, 90);
  route.station(0);
  route.station(5000);
  route.train = {};
  route.record[kTrainDataSlot].inizio_zona = 125;  // braked mass %
  route.record[kTrainDataSlot].posizione_punto = 14;  // coaches
  const RunEstimate run = route.run();
  EXPECT_DOUBLE_EQ(run.used.braking, 0.625);
  EXPECT_DOUBLE_EQ(run.used.length, 14 * 25 + 20);
  EXPECT_DOUBLE_EQ(run.used.acceleration, 0.5);
  EXPECT_DOUBLE_EQ(run.used.dwell, 30);
  // A climb slows the start.
  TestRoute climb = route;
  climb.gradient(0, 6000, 20);
  EXPECT_GT(climb.running_time(), route.running_time() + 10);
}

TEST(RunningTime, NothingToRunWithoutTwoStations) {
  TestRoute route(6000, 90);
  route.station(1000);
  EXPECT_FALSE(estimate_run(route.celle, route.record, route.stations, route.train));
}

}  // namespace
}  // namespace scenario
