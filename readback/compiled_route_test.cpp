#include "readback/compiled_route.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

// A track of `cells` empty cells.
DecodedTrack track_of(size_t cells) { return DecodedTrack{std::vector<Cella>(cells)}; }

TEST(CompiledRoute, TheLengthIsTheRecordsElseTheTracks) {
  DecodedRecords records;
  records.record[kTrainDataSlot].fine_zona = 4000;
  // 221 cells: cell 220 is metre 11000, the route's end plus the extension.
  const DecodedTrack track = track_of(221);
  EXPECT_EQ(route_length(&records, track), 4000);
  EXPECT_EQ(route_length(nullptr, track), 4000);
  records.record[kTrainDataSlot].fine_zona = 0;
  EXPECT_EQ(route_length(&records, track), 4000);
  EXPECT_EQ(recorded_route_length(records), std::nullopt);
  EXPECT_EQ(route_length(nullptr, track_of(3)), 0);
}

TEST(CompiledRoute, SlowdownsPairTheirStartAndEndWithTheBoardBefore) {
  DecodedTrack track = track_of(200);
  track.celle[10].oggetto = kSlowdownEnd;      // an end with no start: no slowdown, the board stays
  track.celle[20].oggetto = kSlowdownWarning;  // at 950 m
  track.celle[44].oggetto = kSlowdownStart;    // at 2150 m
  track.celle[44].valore1 = 30;
  track.celle[60].oggetto = kSlowdownEnd;      // at 2950 m
  track.celle[100].oggetto = kSlowdownStart;   // a second one, with no board of its own
  track.celle[100].valore1 = 60;
  track.celle[110].oggetto = kSlowdownEnd;
  const CompiledRoute route = compiled_route(nullptr, track);
  ASSERT_EQ(route.slowdowns.size(), 2u);
  EXPECT_EQ(route.slowdowns[0].from, 2150);
  EXPECT_EQ(route.slowdowns[0].to, 2950);
  EXPECT_EQ(route.slowdowns[0].speed, 30);
  EXPECT_EQ(route.slowdowns[0].warning, 950);
  EXPECT_EQ(route.slowdowns[1].from, 4950);
  EXPECT_EQ(route.slowdowns[1].speed, 60);
  EXPECT_EQ(route.slowdowns[1].warning, std::nullopt);
  ASSERT_EQ(route.objects.size(), 6u);
  EXPECT_EQ(route.objects[0].cell, 10);
  EXPECT_EQ(route.objects[0].at, 450);
  EXPECT_EQ(route.objects[0].code, kSlowdownEnd);
}

TEST(CompiledRoute, StationsWithTheirStopsAndMountainsJoined) {
  DecodedRecords records;
  records.record[kTrainDataSlot].fine_zona = 3000;
  Record& station = records.record[1];
  station.nome_punto = "VAL\xC8";  // Windows-1252 È
  station.posizione_punto = 1000;
  station.inizio_zona = 900;
  station.fine_zona = 1100;
  station.orario = 3600;
  DecodedTrack track = track_of(201);
  track.celle[22].oggetto = kStationStop;
  track.celle[22].valore1 = 1;
  for (const size_t i : {5, 6, 7}) track.celle[i].montagna = 2;
  track.celle[8].montagna = 3;
  const CompiledRoute route = compiled_route(&records, track);
  ASSERT_EQ(route.stations.size(), 1u);
  EXPECT_EQ(route.stations[0].name, "VAL\xC3\x88");
  EXPECT_EQ(route.stations[0].stop_cell, 22);
  EXPECT_EQ(route.stations[0].zone_from, 900);
  EXPECT_EQ(route.stations[0].time, 3600);
  ASSERT_EQ(route.mountains.size(), 2u);
  EXPECT_EQ(route.mountains[0].from, 250);
  EXPECT_EQ(route.mountains[0].to, 400);
  EXPECT_EQ(route.mountains[1].type, 3);
}

}  // namespace
}  // namespace scenario
