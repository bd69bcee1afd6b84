#include "compiler/model/model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scenario {
namespace {

TEST(CreateModel, SizesFollowTheRouteLength) {
  const struct {
    int32_t route, total, last_cell;
  } cases[] = {{0, 7000, 140}, {103000, 110000, 2200}, {1000000, 1007000, 20140}, {25, 7025, 140},
               {75, 7075, 142}};
  for (const auto& c : cases) {
    TrackModel m;
    create_model(m, c.route, false);
    EXPECT_EQ(m.lunghezza_totale, c.total) << c.route;
    EXPECT_EQ(m.last_cell, c.last_cell) << c.route;
    EXPECT_EQ(m.celle.size(), static_cast<size_t>(c.last_cell) + 1) << c.route;
    EXPECT_FALSE(m.geometry.exists());
  }
}

TEST(CreateModel, GeometryOnlyWhenAskedAndEarlierContentIsDiscarded) {
  TrackModel m;
  create_model(m, 103000, true);
  ASSERT_TRUE(m.geometry.exists());
  EXPECT_EQ(m.geometry.x.size(), 110001u);
  EXPECT_EQ(m.geometry.y.size(), 110001u);
  m.celle[5].oggetto = kSignal;
  m.geometry.x.set(3, 1.5);

  create_model(m, 1000, true);
  EXPECT_EQ(m.last_cell, 160);
  EXPECT_EQ(m.celle[5].oggetto, kNothing);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(m.geometry.x[3]));

  create_model(m, 1000, false);
  EXPECT_FALSE(m.geometry.exists());
}

TEST(Cells, OnlyNothingAndMountainMarkersAreFree) {
  for (int code = 0; code < 256; ++code) {
    Cella c;
    c.oggetto = static_cast<uint8_t>(code);
    EXPECT_EQ(is_free(c), code == 0 || code == 11) << code;
  }
}

TEST(Records, ClearingResetsNumbersAndTexts) {
  TrackModel m;
  m.record[85].nome_punto = "x";
  m.record[85].dato_4 = 610;
  m.record[3].orario = 7;
  clear_records(m);
  EXPECT_EQ(m.record[85].nome_punto, "");
  EXPECT_EQ(m.record[85].dato_4, 0);
  EXPECT_EQ(m.record[3].orario, 0);
}

// Four elements share a byte of kinds: setting one never changes another,
// and every value comes back with its kind, bit for bit.
TEST(GeometryAxis, EachElementKeepsItsOwnKindAndValue) {
  GeometryAxis axis(6);
  EXPECT_EQ(axis[5], GeometryElement{});
  EXPECT_EQ(axis.value(5), 0.0);

  axis.set(1, int16_t{-32768});
  axis.set(2, -0.0);
  axis.set(3, 1.0 / 3.0);
  axis.set(4, int16_t{32767});
  axis.set(3, int16_t{7});  // a later set replaces kind and value
  EXPECT_EQ(axis[0], GeometryElement{});
  EXPECT_EQ(axis[1], GeometryElement{int16_t{-32768}});
  EXPECT_EQ(axis.kind(2), ElementKind::kDouble);
  EXPECT_TRUE(std::signbit(std::get<double>(axis[2])));
  EXPECT_EQ(axis[3], GeometryElement{int16_t{7}});
  EXPECT_EQ(axis[4], GeometryElement{int16_t{32767}});
  EXPECT_EQ(axis[5], GeometryElement{});
  EXPECT_EQ(axis.value(1), -32768.0);
}

}  // namespace
}  // namespace scenario
