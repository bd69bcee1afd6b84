// For the driver's sheets' tests: what the line and train descriptions say,
// read from the built-in texts, so that a sheet that stops agreeing with the
// scenario fails its test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "writers/line_description.h"
#include "writers/train_description.h"
#include "writers/test_rows.h"

namespace scenario::sheets_test {

struct Station {
  int32_t position;  // metres from the start of the route
  std::string name;
};

struct SpeedChange {
  int32_t position;
  int speed;  // km/h from this position on
};

struct StationTime {
  std::string station;
  int hours;
  int minutes;
};

// The lines of the two descriptions, without their line ends.
inline const std::vector<std::string_view> kLineDescription = testing::lines_of(line_description_text());
inline const std::vector<std::string_view> kTrainDescription = testing::lines_of(train_description_text());

inline int field_number(const std::vector<std::string>& fields, size_t i) {
  return std::stoi(testing::trim(fields.at(i)));
}

// The train description's stations, in route order.
inline const std::vector<Station> kStations = [] {
  std::vector<Station> list;
  for (const std::string& row : testing::section_rows(kTrainDescription, "[stazioni]")) {
    const auto f = testing::split_fields(row);
    list.push_back({field_number(f, 1), testing::trim(f.back())});
  }
  return list;
}();

// The train description's "velocita" rows.
inline const std::vector<SpeedChange> kSpeedChanges = [] {
  std::vector<SpeedChange> list;
  for (const std::string& row : testing::section_rows(kTrainDescription, "[vel_limite]")) {
    const auto f = testing::split_fields(row);
    list.push_back({field_number(f, 1), field_number(f, 2)});
  }
  return list;
}();

// The train description's one slowdown row: position, speed, length, ...
inline const std::string kSlowdownRow =
    testing::section_rows(kTrainDescription, "[rallentamenti]").at(0);

// The stations whose row carries a time (hours, minutes, seconds in columns
// 14 to 16 after the keyword).
inline const std::vector<StationTime> kStationTimes = [] {
  std::vector<StationTime> list;
  for (const std::string& row : testing::section_rows(kTrainDescription, "[stazioni]")) {
    const auto f = testing::split_fields(row);
    if (field_number(f, 14) || field_number(f, 15) || field_number(f, 16))
      list.push_back({testing::trim(f.back()), field_number(f, 14), field_number(f, 15)});
  }
  return list;
}();

// Position of kilometre 0 of the line's count (the first number of the line
// description's second progressive), where the sheets' kilometre points start.
inline const int32_t kCippo = [] {
  for (const std::string_view line : kLineDescription)
    if (line.starts_with("progressiva chilometrica due")) return field_number(testing::split_fields(line), 1);
  return -1;
}();

// Level-crossing boards of the line description: "PL km" and "PLA km".
inline int count_boards(std::string_view first_group) {
  const auto rows = testing::section_rows(kLineDescription, "[indicazioni]");
  return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](const std::string& row) {
    const std::string text = testing::trim(testing::split_fields(row).back());
    return text.starts_with(first_group);
  }));
}
inline const int kPlBoards = count_boards("(PL km");
inline const int kPlaBoards = count_boards("(PLA km");

}  // namespace scenario::sheets_test
