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
  const std::vector<StationTime> run = {
      station(1, true, 1000, 940, 1000, 0),        // departs at its given time
      station(2, false, std::nullopt, 1300, 1300, std::nullopt),
      station(3, true, 2000, 1650, 2000, 290),     // waits for its time: a margin
      station(4, true, std::nullopt, 2500, 2560, std::nullopt),  // an extra stop the estimate was told of
      station(5, true, 3200, 3000, 3060, 200),     // the last: its time is the arrival
  };
  const std::vector<SheetTime> times = estimated_times(run);
  ASSERT_EQ(times.size(), 5u);
  const struct {
    bool stops;
    std::optional<double> arrival, departure, margin;
  } expected[] = {
      {true, 940, 1000, 0},
      {false, std::nullopt, 1300, std::nullopt},
      {true, 1650, 2000, 290},
      {true, 2500, 2560, std::nullopt},
      {true, 3200, 3260, 200},  // as long after the given arrival as the estimate stands there
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
