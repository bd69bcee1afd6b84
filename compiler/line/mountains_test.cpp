#include "compiler/line/mountains.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compiler/line/line_reader.h"
#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

TrackModel track(int32_t route_length) {
  TrackModel m;
  create_model(m, route_length, false);
  return m;
}

std::vector<int> cells_with(const TrackModel& m, uint8_t code) {
  std::vector<int> found;
  for (size_t i = 0; i < m.celle.size(); ++i) {
    if (m.celle[i].oggetto == code) found.push_back(static_cast<int>(i));
  }
  return found;
}

TEST(PlaceMountain, MarkedStretchOfTheScenario) {
  TrackModel m = track(103000);
  place_mountain(m, 8700, 11050, 11);

  EXPECT_EQ(m.mountain_count, 1);
  EXPECT_EQ(m.mountain_starts[1], 8700);
  EXPECT_EQ(m.mountain_ends[1], 11050);
  for (int i = 170; i <= 225; ++i) {
    EXPECT_EQ(m.celle[i].montagna, (i >= 174 && i <= 220) ? 1 : 0) << i;
  }
  std::vector<int> markers;
  for (int i = 177; i <= 217; i += 4) markers.push_back(i);
  EXPECT_EQ(cells_with(m, kMountainMarker), markers);
}

TEST(PlaceMountain, AStretchCloseBehindThePreviousOneTakesType3) {
  const struct {
    int32_t start, type, expected_type;
    bool markers;
  } cases[] = {
      {1150, 5, 3, false},   // 150 m after the previous end
      {1151, 5, 5, false},   // 151 m after it
      {1200, 5, 5, false},   // 200 m after it
      {1100, 15, 3, true},   // marked, and stays marked as type 3
      {500, 2, 3, false},    // overlapping counts as close
  };
  for (const auto& c : cases) {
    TrackModel m = track(103000);
    place_mountain(m, 0, 1000, 4);
    place_mountain(m, c.start, 3000, c.type);
    EXPECT_EQ(m.celle[50].montagna, c.expected_type) << c.start;
    EXPECT_EQ(m.mountain_count, 2);
    EXPECT_EQ(!cells_with(m, kMountainMarker).empty(), c.markers) << c.start;
  }
}

// The check warns of type 3 exactly where the placement gives it.
TEST(MountainRow, TheCloseStretchWarningFollowsThePlacement) {
  for (const int32_t start : {500, 1150, 1151, 1200}) {
    CompilationState s;
    s.build_geometry = false;
    s.diagnostic_mode = true;
    read_line(s, DescriptionText::of("[generale]\r\nlunghezza percorso, 12000\r\n[montagne]\r\n"
                                     "montagna, 0, 1000, 4\r\nmontagna, " +
                                     std::to_string(start) + ", 3000, 5\r\n[fine]\r\n"));
    const bool type_3 = s.model.celle[50].montagna == 3;
    const bool warned = std::any_of(s.warnings.begin(), s.warnings.end(),
                                    [](const Warning& w) { return w.kind == WarningKind::kCloseMountain; });
    EXPECT_EQ(type_3, start <= 1150) << start;
    EXPECT_EQ(warned, type_3) << start;
  }
}

TEST(PlaceMountain, ObjectsStayAndStillCountForEveryFourthCell) {
  TrackModel m = track(103000);
  m.celle[4].oggetto = kSignal;  // would be the first marker of a stretch from cell 1
  place_mountain(m, 50, 1000, 12);
  EXPECT_EQ(m.celle[4].oggetto, kSignal);
  EXPECT_EQ(m.celle[4].montagna, 2);
  EXPECT_EQ(cells_with(m, kMountainMarker), (std::vector<int>{8, 12, 16}));
}

TEST(PlaceMountain, CellsOutsideTheTrackArePassedOver) {
  TrackModel m = track(0);  // cells 0..140
  // From cell -4: the count starts there, so the markers fall on n = 8, 12, ...
  place_mountain(m, -200, 1000, 11);
  EXPECT_EQ(m.celle[0].montagna, 1);
  EXPECT_EQ(m.celle[19].montagna, 1);
  EXPECT_EQ(m.celle[20].montagna, 0);
  EXPECT_EQ(cells_with(m, kMountainMarker), (std::vector<int>{3, 7, 11, 15, 19}));

  place_mountain(m, 6900, 900000, 7);
  EXPECT_EQ(m.celle[138].montagna, 7);
  EXPECT_EQ(m.celle[140].montagna, 7);
}

TEST(PlaceMountain, TheCellKeepsTheLowBitsOfTheType) {
  TrackModel m = track(0);
  place_mountain(m, 0, 500, 267);  // marked, 257
  EXPECT_EQ(m.celle[0].montagna, 1);
}

TEST(PlaceMountain, The81stStretchIsAReadingFailureBeforeAnyWrite) {
  TrackModel m = track(103000);
  for (int32_t k = 0; k < 80; ++k) place_mountain(m, k * 1000, k * 1000 + 500, 1);
  EXPECT_THROW(place_mountain(m, 90000, 91000, 14), ReadFailure);
  EXPECT_EQ(m.mountain_count, 80);
  EXPECT_EQ(m.celle[1800].montagna, 0);
  EXPECT_EQ(m.mountain_starts[80], 79000);
}

}  // namespace
}  // namespace scenario
