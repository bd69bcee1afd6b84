#include "compiler/line/speed_indicators.h"

#include <gtest/gtest.h>

#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

TrackModel track() {
  TrackModel m;
  create_model(m, 103000, false);
  return m;
}

TEST(PlaceSpeedIndicator, PacksBothBoardsIntoTheCell) {
  const struct {
    SpeedIndicator v;
    int16_t valore1, valore2, valore3, valore4;
  } cases[] = {
      // "indicatori_vmax,  1550,  125,  135,  135,  0,  ,  ,  ,  0"
      {{1550, 125, 135, 135, 0, 0, 0, 0, 0}, 2500, 2700, 2700, 0},
      {{1550, 100, 90, 60, 1, 80, 75, 95, 2}, 2016, 1815, 1219, 12},
      {{1550, 0, 0, 0, 0, 7, 8, 12, 0}, 1, 2, 2, 0},  // 1.4, 1.6, 2.4 rounded
      {{1550, -5, 0, 0, -3, 0, 0, 0, 4}, -100, 0, 0, -26},
  };
  for (const auto& c : cases) {
    TrackModel m = track();
    ASSERT_TRUE(place_speed_indicator(m, c.v));
    const Cella& cell = m.celle[32];
    EXPECT_EQ(cell.oggetto, kSpeedIndicator);
    EXPECT_EQ(cell.valore1, c.valore1) << c.v.vas;
    EXPECT_EQ(cell.valore2, c.valore2) << c.v.vas;
    EXPECT_EQ(cell.valore3, c.valore3) << c.v.vas;
    EXPECT_EQ(cell.valore4, c.valore4) << c.v.vas;
  }
}

TEST(PlaceSpeedIndicator, MountainMarkersGiveWayOtherObjectsRefuse) {
  for (int code = 0; code < 16; ++code) {
    TrackModel m = track();
    m.celle[32].oggetto = static_cast<uint8_t>(code);
    m.celle[32].valore1 = 77;
    const bool placed = place_speed_indicator(m, {1550, 125, 135, 135, 0, 0, 0, 0, 0});
    EXPECT_EQ(placed, code == kNothing || code == kMountainMarker) << code;
    EXPECT_EQ(m.celle[32].oggetto, placed ? kSpeedIndicator : code) << code;
    EXPECT_EQ(m.celle[32].valore1, placed ? 2500 : 77) << code;
  }
}

TEST(PlaceSpeedIndicator, AValueOutside16BitsFailsKeepingWhatCameBefore) {
  TrackModel m = track();
  EXPECT_THROW(place_speed_indicator(m, {1550, 100, 1700, 0, 0, 0, 0, 0, 0}), ReadFailure);
  EXPECT_EQ(m.celle[32].oggetto, kSpeedIndicator);
  EXPECT_EQ(m.celle[32].valore1, 2000);
  EXPECT_EQ(m.celle[32].valore2, 0);

  TrackModel n = track();
  EXPECT_THROW(place_speed_indicator(n, {1550, 100, 100, 100, 3277, 0, 0, 0, 0}), ReadFailure);
  EXPECT_EQ(n.celle[32].valore3, 2000);
  EXPECT_EQ(n.celle[32].valore4, 0);
}

}  // namespace
}  // namespace scenario
