// The earliest run of the train over a compiled route: it accelerates,
// holds the limit in force, brakes in time for every lower limit and every
// stop, and dwells where it stops. An estimate for checking a timetable and
// writing the driver's sheets, not the simulator's physics (README, "The
// running-time estimate").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compiler/model/model.h"

namespace scenario {

// What the estimate assumes of the train. Empty members take their value from
// the train's data: the braking from its braked-mass percentage, the length
// from its number of coaches.
struct TrainParameters {
  double acceleration = 0.5;             // m/s² on the level, at every speed
  std::optional<double> braking;         // m/s² on the level
  double dwell = 30;                     // s standing at each stop
  std::optional<double> length;          // m, for the tail to clear a lower limit
  std::vector<std::string> extra_stops;  // names (UTF-8) of stations where it also stops
};

// The values the estimate ran with.
struct UsedParameters {
  double acceleration = 0;
  double braking = 0;
  double dwell = 0;
  double length = 0;
};

inline constexpr double kSecondsPerDay = 86400;

// One station of the run, in route order. Times are seconds from the
// midnight before the departure, so a run past midnight counts on past
// 86400 (00:22 the next day is 87720).
struct StationTime {
  int slot = 0;          // its record
  std::string name;      // UTF-8
  int64_t at = 0;        // the metre where the train stops or passes: its stop object, else its position
  bool stops = false;    // the train stops here (it does where the description gives a time)
  std::optional<double> given;  // the description's time: the arrival at the last station, else the departure
  double arrival = 0;    // the estimate's
  double departure = 0;  // the estimate's: arrival + dwell at a stop, then no earlier than the given time
  // The given time less the estimate's earliest (arrival at the last
  // station, departure elsewhere): negative when the time cannot be kept.
  std::optional<double> margin;
};

struct RunEstimate {
  UsedParameters used;
  std::vector<StationTime> stations;
  // The estimated speed in km/h every kSpeedSampleMetres from the first stop
  // to the last, and where the samples start.
  int64_t speed_from = 0;
  std::vector<float> speed;
};

inline constexpr int64_t kSpeedSampleMetres = 50;

// The run over the compiled cells and records, whose first `stations` records
// (from record 1) are the stations. Nothing when there are fewer than two
// stations to run between.
std::optional<RunEstimate> estimate_run(std::span<const Cella> celle, const std::array<Record, kRecordCount>& record,
                                        int stations, const TrainParameters& train);

// "23:50:00"; the day is dropped, so 87720 is "00:22:00".
std::string clock_text(double seconds);

// A length of time in whole seconds, rounded up: "2 min 10 s", "40 s",
// "1 h 5 min", "0 s".
std::string duration_text(double seconds);

}  // namespace scenario
