#include "compiler/line/plan_path.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <variant>

namespace scenario {
namespace {

Geometry points(size_t count) {
  return Geometry{GeometryAxis(count), GeometryAxis(count)};
}

double at(const GeometryAxis& v, size_t i) { return std::get<double>(v[i]); }

TEST(CurveCurvature, FirstClassDigitInDigitOrderAndAnSForLeft) {
  const struct {
    const char* keyword;
    std::optional<double> kappa;
  } cases[] = {
      {"curvad1", 0.0001}, {"curvad2", 0.0002}, {"curvad3", 0.0004}, {"curvad4", 0.001},
      {"curvad5", 0.002},  {"curvad6", 0.003},  {"curvas4", -0.001}, {"curvaS3", -0.0004},
      {"CURVAD4", 0.001},  {"curvad42", 0.0002},  // "2" is tested before "4"
      {"curva 5 sx", -0.002}, {"curvad7", std::nullopt}, {"curvas", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(curve_curvature(c.keyword), c.kappa) << c.keyword;
}

TEST(PlanPath, StraightThenCurvedRunsFromTheStartingStep) {
  Geometry t = points(20);
  int32_t turn = 0;
  PlanPath path(t, turn);
  ASSERT_TRUE(path.curve(10, 3, -0.0004));

  // The two starting points are 16-bit integers, the others doubles.
  EXPECT_EQ(std::get<int16_t>(t.x[0]), 0);
  EXPECT_EQ(std::get<int16_t>(t.y[0]), 0);
  EXPECT_EQ(std::get<int16_t>(t.x[1]), 0);
  EXPECT_EQ(std::get<int16_t>(t.y[1]), 1);
  for (size_t c = 2; c <= 10; ++c) {
    EXPECT_EQ(at(t.x, c), 0.0) << c;
    EXPECT_EQ(at(t.y, c), static_cast<double>(c)) << c;
  }
  // A negative curvature turns the heading (along +y) towards -x: left.
  EXPECT_DOUBLE_EQ(at(t.x, 11), -0.0004);
  EXPECT_DOUBLE_EQ(at(t.y, 11), 11.0);
  EXPECT_DOUBLE_EQ(at(t.x, 12), -0.0012);
  EXPECT_DOUBLE_EQ(at(t.y, 12), 11.99999984);
  EXPECT_DOUBLE_EQ(at(t.x, 13), -0.002399999936);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(t.x[14]));
  EXPECT_EQ(turn, 0);
}

TEST(PlanPath, GeometryIsBitExact) {
  // Reference computed apart in IEEE double arithmetic, without fused
  // multiply-add, in the order x + (dx + k*dy), y + (dy - k*dx).
  Geometry t = points(600);
  int32_t turn = 0;
  PlanPath path(t, turn);
  ASSERT_TRUE(path.curve(10, 500, 0.003));
  EXPECT_EQ(std::bit_cast<uint64_t>(at(t.x, 510)), 0x40736b30b981ba66u);
  EXPECT_EQ(std::bit_cast<uint64_t>(at(t.y, 510)), 0x40756516deece36bu);
}

TEST(PlanPath, ACurveBehindThePathGetsNoStraightRun) {
  Geometry t = points(40);
  int32_t turn = 0;
  PlanPath path(t, turn);
  ASSERT_TRUE(path.curve(10, 5, 0.001));
  const double x15 = at(t.x, 15);
  ASSERT_TRUE(path.curve(5, 20, -0.001));
  // The second curve goes on from point 16 and turns back at once.
  const double dx16 = at(t.x, 16) - x15;
  const double dx15 = x15 - at(t.x, 14);
  EXPECT_LT(dx16, dx15);
  EXPECT_TRUE(std::holds_alternative<double>(t.x[25]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(t.x[26]));
}

TEST(PlanPath, PointsStopAtTheLastOneAndTheClosingRunLeavesTwoUnset) {
  Geometry t = points(31);  // points 0..30
  int32_t turn = 0;
  PlanPath path(t, turn);
  ASSERT_TRUE(path.curve(20, 1000, 0.001));
  EXPECT_TRUE(std::holds_alternative<double>(t.x[30]));

  Geometry u = points(31);
  PlanPath closing(u, turn);
  closing.straight_to(28);
  EXPECT_EQ(at(u.y, 28), 28.0);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(u.x[29]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(u.y[30]));
}

TEST(PlanPath, APointIndexAboveAMillionIsRefused) {
  Geometry t = points(1'000'100);
  int32_t turn = 0;
  PlanPath path(t, turn);
  EXPECT_TRUE(path.curve(999'000, 999, 0.0001));  // last point 999 999
  EXPECT_FALSE(path.curve(999'999, 50, 0.0001));  // point 1 000 000 is set, then refused
  EXPECT_TRUE(std::holds_alternative<double>(t.x[1'000'000]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(t.x[1'000'001]));
}

TEST(PlanPath, TurnIndexMarksTheFirstPointBuiltFromANearlyFlatStep) {
  Geometry t = points(1200);
  int32_t turn = 0;
  PlanPath path(t, turn);
  ASSERT_TRUE(path.curve(100, 1000, 0.003));
  ASSERT_GT(turn, 0);
  const auto dy = [&](int32_t c) { return at(t.y, static_cast<size_t>(c)) - at(t.y, static_cast<size_t>(c - 1)); };
  // Point turn - 1 was built from the step ending at turn - 2.
  EXPECT_LT(dy(turn - 2), 0.015);
  EXPECT_GE(dy(turn - 3), 0.015);

  // Once set, it stays.
  const int32_t first = turn;
  ASSERT_TRUE(path.curve(1150, 40, 0.003));
  EXPECT_EQ(turn, first);
}

}  // namespace
}  // namespace scenario
