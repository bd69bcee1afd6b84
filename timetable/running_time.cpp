#include "timetable/running_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>

#include "common/windows1252.h"
#include "compiler/model/numbers.h"
#include "compiler/model/placed_objects.h"

namespace scenario {
namespace {

constexpr double kGravity = 9.81;            // m/s²
constexpr int64_t kStep = 5;                 // metres between the points the run is computed at
constexpr double kLeastAcceleration = 0.05;  // m/s² on a climb steeper than the train can take
constexpr double kLeastBraking = 0.1;        // m/s² on a fall steeper than the brakes can hold
constexpr double kLeastSpeed = 10 / 3.6;     // m/s where a limit of 0 would stop the run for ever
constexpr double kBrakingPerBrakedPercent = 0.005;  // m/s² for each point of braked mass
constexpr int32_t kDefaultBrakedPercent = 100;
constexpr double kCoachMetres = 25;
constexpr double kEngineMetres = 20;

double metres_per_second(int kmh) { return kmh / 3.6; }

// The limit of each cell, lowered where a slowdown runs over it.
std::vector<double> cell_limits(std::span<const Cella> celle) {
  std::vector<double> limits;
  limits.reserve(celle.size());
  for (const Cella& c : celle) limits.push_back(std::max(metres_per_second(speed_kmh(c)), kLeastSpeed));
  for (const SlowdownSpan& s : slowdown_spans(celle)) {
    const double speed = std::max(metres_per_second(s.speed), kLeastSpeed);
    for (int64_t m = std::max<int64_t>(s.from, 0); m < s.to; m += kCellMetres) {
      const auto cell = static_cast<size_t>(m / kCellMetres);
      if (cell < limits.size()) limits[cell] = std::min(limits[cell], speed);
    }
  }
  return limits;
}

// A time of day on the day that puts it at most 12 hours before `reference`.
double on_day_near(double time_of_day, double reference) {
  double t = time_of_day;
  while (t < reference - kSecondsPerDay / 2) t += kSecondsPerDay;
  return t;
}

UsedParameters used_parameters(const std::array<Record, kRecordCount>& record, const TrainParameters& train) {
  const Record& data = record[kTrainDataSlot];
  const int32_t braked = data.inizio_zona > 0 ? data.inizio_zona : kDefaultBrakedPercent;
  UsedParameters used;
  used.acceleration = train.acceleration;
  used.braking = train.braking.value_or(braked * kBrakingPerBrakedPercent);
  used.dwell = train.dwell;
  used.length = train.length.value_or(std::max(0, data.posizione_punto) * kCoachMetres + kEngineMetres);
  return used;
}

}  // namespace

std::string clock_text(double seconds) {
  auto whole = static_cast<int64_t>(std::llround(seconds));
  whole = ((whole % 86400) + 86400) % 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
                static_cast<int>(whole % 60));
  return text;
}

std::string duration_text(double seconds) {
  const auto whole = static_cast<int64_t>(std::ceil(seconds));
  const int64_t h = whole / 3600, min = whole / 60 % 60, s = whole % 60;
  std::string text;
  const auto add = [&](int64_t n, const char* unit) {
    if (n == 0) return;
    if (!text.empty()) text += ' ';
    text += std::to_string(n) + ' ' + unit;
  };
  add(h, "h");
  add(min, "min");
  add(s, "s");
  return text.empty() ? "0 s" : text;
}

std::optional<RunEstimate> estimate_run(std::span<const Cella> celle, const std::array<Record, kRecordCount>& record,
                                        int stations, const TrainParameters& train) {
  if (stations < 2 || celle.empty()) return std::nullopt;
  RunEstimate run;
  run.used = used_parameters(record, train);
  const UsedParameters& p = run.used;

  const auto stops = stop_cells(celle);
  for (int slot = 1; slot <= std::min(stations, kFirstSignSlot); ++slot) {
    const Record& r = record[static_cast<size_t>(slot)];
    StationTime s;
    s.slot = slot;
    s.name = to_utf8(r.nome_punto);
    const auto stop = stops.find(slot);
    s.at = stop == stops.end() ? r.posizione_punto : object_metre(stop->second);
    if (r.orario != 0) s.given = r.orario;
    s.stops = s.given.has_value() ||
              std::find(train.extra_stops.begin(), train.extra_stops.end(), s.name) != train.extra_stops.end();
    run.stations.push_back(std::move(s));
  }
  run.stations.front().stops = true;
  run.stations.back().stops = true;
  const int64_t from = run.stations.front().at;
  const int64_t to = run.stations.back().at;
  if (to <= from) return std::nullopt;

  // The points of the run, kStep apart; the step after each lies in one cell,
  // whose limit and slope hold on it.
  const auto points = static_cast<size_t>((to - from) / kStep) + 1;
  const auto point_of = [&](int64_t metre) {
    return static_cast<size_t>(std::clamp<double>(std::round(double(metre - from) / kStep), 0, double(points - 1)));
  };
  const auto metre_of = [&](size_t i) { return from + static_cast<double>(i) * kStep; };
  const auto last_cell = static_cast<int64_t>(celle.size() - 1);
  const auto step_cell = [&](size_t i) {
    return static_cast<size_t>(std::clamp<int64_t>((from + static_cast<int64_t>(i) * kStep + kStep / 2) / kCellMetres,
                                                    0, last_cell));
  };
  const std::vector<double> limits = cell_limits(celle);
  std::vector<double> slope(celle.size());
  for (size_t c = 0; c < celle.size(); ++c) slope[c] = kGravity * gradient_permille(celle[c]) / 1000.0;

  // The highest speed at each point: the lower limit of the steps either
  // side, each the lowest the train meets from its head back to its tail;
  // 0 where the train stops. Then what accelerating from the point before
  // and braking for the point after allow.
  std::vector<double> speed(points);
  {
    const auto tail = static_cast<size_t>(std::ceil(std::clamp<double>(p.length / kStep, 0, double(points))));
    std::deque<size_t> lowest;  // steps within the train's length, their limits rising
    const auto own = [&](size_t i) { return limits[step_cell(i)]; };
    double before = 0;  // the limit of the step before the point
    for (size_t i = 0; i < points; ++i) {
      while (!lowest.empty() && own(lowest.back()) >= own(i)) lowest.pop_back();
      lowest.push_back(i);
      while (lowest.front() + tail < i) lowest.pop_front();
      const double step_limit = own(lowest.front());
      speed[i] = i == 0 ? 0 : std::min(before, step_limit);
      before = step_limit;
    }
  }
  for (const StationTime& s : run.stations)
    if (s.stops) speed[point_of(s.at)] = 0;
  for (size_t i = 0; i + 1 < points; ++i) {
    const double a = std::max(p.acceleration - slope[step_cell(i)], kLeastAcceleration);
    speed[i + 1] = std::min(speed[i + 1], std::sqrt(speed[i] * speed[i] + 2 * a * kStep));
  }
  for (size_t i = points - 1; i > 0; --i) {
    const double b = std::max(p.braking + slope[step_cell(i - 1)], kLeastBraking);
    speed[i - 1] = std::min(speed[i - 1], std::sqrt(speed[i] * speed[i] + 2 * b * kStep));
  }

  // Away from the first station at its given time, else when the scenario's
  // clock starts.
  const Record& clock = record[kTrainSlot];
  const double start = clock.dato_7 * 3600.0 + clock.dato_8 * 60.0 + clock.dato_9;
  StationTime& first = run.stations.front();
  if (first.given) first.given = on_day_near(*first.given, start);
  double t = first.given.value_or(start);
  first.arrival = first.departure = t;

  // Each step at constant acceleration takes its length over its mean speed.
  size_t next = 1;
  run.speed_from = from;
  for (size_t i = 0; i < points; ++i) {
    if (i > 0) {
      const double mean = (speed[i - 1] + speed[i]) / 2;
      if (mean > 0) t += kStep / mean;
    }
    if (static_cast<int64_t>(metre_of(i) - static_cast<double>(from)) % kSpeedSampleMetres == 0)
      run.speed.push_back(static_cast<float>(speed[i] * 3.6));
    while (next < run.stations.size() && point_of(run.stations[next].at) == i) {
      StationTime& s = run.stations[next++];
      const bool last = next == run.stations.size();
      s.arrival = s.departure = t;
      const double earliest = s.stops && !last ? t + p.dwell : t;
      if (s.given) {
        s.given = on_day_near(*s.given, t);
        s.margin = *s.given - earliest;
      }
      if (s.stops && !last) s.departure = std::max(earliest, s.given.value_or(earliest));
      t = s.departure;
    }
  }
  return run;
}

}  // namespace scenario
