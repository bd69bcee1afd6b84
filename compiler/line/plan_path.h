// The plan-view path of the line, one point per metre in `geometry`, built
// from the curve rows of the line description (docs/formats.md, "Line
// description"). The path starts at (0, 0) heading along y; a straight metre
// repeats the previous step, a curved metre turns it by the curvature. The
// step is never renormalised, and every sum is evaluated in the order written
// in plan_path.cpp so that the compiled geometry is byte-identical on every
// build.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compiler/model/model.h"

namespace scenario {

// A curve row whose path reaches a point index above this ends the reading
// (error 103).
inline constexpr int64_t kMaxPlanPoint = 1'000'000;

// Curvature of a curve keyword, per metre: the first of the class digits
// "1".."6" found anywhere in it gives 0.0001, 0.0002, 0.0004, 0.001, 0.002 or
// 0.003; an "s" (either case) turns left and negates it. Nothing when the
// keyword holds no class digit (error 103).
std::optional<double> curve_curvature(const std::string& keyword);

// The parts of that rule: whether the keyword turns left, and its class
// digit (nothing without one).
bool curve_turns_left(std::string_view keyword);
std::optional<char> curve_class(std::string_view keyword);

class PlanPath {
 public:
  // Sets points 0 and 1 to (0, 0) and (0, 1); the next point is 2. The
  // geometry array must exist. `indice_svolta` receives the index after the
  // first point of a curve row built from a step whose y part is below 0.015
  // (the heading has turned past about 89 degrees).
  PlanPath(Geometry& geometry, int32_t& indice_svolta);

  // A curve of `length` metres from position `start`: a straight run up to
  // point `start`, then a curved run up to point `start` + `length`. A curve
  // starting behind the path gets no straight run. Points stop at the last
  // one of the array. False when the next point index passed kMaxPlanPoint.
  bool curve(int64_t start, int64_t length, double kappa);

  // How many points such a curve would turn: none when it has no length or
  // ends behind the path.
  int64_t points_turned(int64_t start, int64_t length) const;

  // The closing straight run up to point `last`, without the checks.
  void straight_to(int64_t last);

 private:
  struct Step {
    double dx, dy;
  };
  struct Point {
    double x, y;
  };
  // Sets the next point from the previous one and the step before it,
  // turned by kappa (straight when nothing), and returns that step.
  Step put_next(std::optional<double> kappa);
  // The checks after each point of a curve row; false past kMaxPlanPoint.
  bool after_curve_point(const Step& step);
  int64_t last_point() const;

  Geometry& t_;
  int32_t& indice_svolta_;
  int64_t c_ = 2;  // next point to set
  // Points c_ - 2 and c_ - 1 as stored, so that no step needs to read the
  // array back.
  Point before_{0, 0};
  Point last_{0, 1};
};

}  // namespace scenario
