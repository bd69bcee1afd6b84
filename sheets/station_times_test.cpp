// Which of the description's and the estimate's times the card shows.
#include "sheets/station_times.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

StationTime station(int slot, bool stops, std::optional<double> given, double arrival, double departure,
                    std::optional<double> margin) {
  StationTime t;
  t.slot = slot;
  t.name = "S" + std::to_string(slot);
  t.stops = stops;
  t.given = given;
  t.arrival = arrival;
  t.departure = departure;
  t.margin = margin;
  return t;
}

TEST(StationTimes, TheDescriptionsTimesWinWhereItGivesThem) {
  // As the estimate gives them: the first station has no arrival, the last
  // no departure, of its own.
  const std::vector<StationTime> run = {
      station(1, true, 1000, 1000, 1000, std::nullopt),
      station(2, false, std::nullopt, 1300, 1300, std::nullopt),
      station(3, true, 2000, 1650, 2000, 320),     // waits for its time: a margin
      station(4, true, std::nullopt, 2500, 2530, std::nullopt),  // an extra stop the estimate was told of
      station(5, true, 2600, 2580, 2610, -10),  // its time cannot be kept: the timetable's stands
      station(6, true, 3200, 3000, 3000, 200),     // the last: its time is the arrival
  };
  const std::vector<SheetTime> times = estimated_times(run);
  ASSERT_EQ(times.size(), 6u);
  const struct {
    bool stops;
    std::optional<double> arrival, departure, margin;
  } expected[] = {
      {true, std::nullopt, 1000, std::nullopt},
      {false, std::nullopt, 1300, std::nullopt},
      {true, 1650, 2000, 320},
      {true, 2500, 2530, std::nullopt},
      {true, 2580, 2600, -10},
      {true, 3200, std::nullopt, 200},
  };
  for (size_t i = 0; i < times.size(); ++i) {
    EXPECT_EQ(times[i].slot, run[i].slot);
    EXPECT_EQ(times[i].stops, expected[i].stops) << i;
    EXPECT_EQ(times[i].arrival, expected[i].arrival) << i;
    EXPECT_EQ(times[i].departure, expected[i].departure) << i;
    EXPECT_EQ(times[i].margin, expected[i].margin) << i;
  }
}

TEST(StationTimes, WithoutAnEstimateOnlyTheGivenTimes) {
  const std::vector<SheetStation> stations = {{1, "A", 0, -200, 200, 85800},
                                              {2, "B", 3000, 2800, 3200, std::nullopt},
                                              {3, "C", 6000, 5800, 6200, 1320},
                                              {4, "D", 9000, 8800, 9200, 3120}};
  const std::vector<SheetTime> times = given_times(stations);
  ASSERT_EQ(times.size(), 3u);
  EXPECT_EQ(times[0].slot, 1);
  EXPECT_EQ(times[0].departure, 85800);
  EXPECT_EQ(times[1].slot, 3);
  EXPECT_EQ(times[1].departure, 1320);
  EXPECT_EQ(times[2].slot, 4);
  EXPECT_EQ(times[2].arrival, 3120);  // the last station's time is its arrival
  EXPECT_EQ(times[2].departure, std::nullopt);
  for (const SheetTime& t : times) EXPECT_EQ(t.margin, std::nullopt);
}

}  // namespace
}  // namespace scenario
