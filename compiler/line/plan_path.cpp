#include "compiler/line/plan_path.h"

#include <algorithm>

namespace scenario {

namespace {

constexpr struct {
  char digit;
  double kappa;
} kCurveClasses[] = {{'1', 0.0001}, {'2', 0.0002}, {'3', 0.0004}, {'4', 0.001}, {'5', 0.002}, {'6', 0.003}};

}  // namespace

bool curve_turns_left(std::string_view keyword) { return keyword.find_first_of("sS") != std::string_view::npos; }

std::optional<char> curve_class(std::string_view keyword) {
  for (const auto& c : kCurveClasses) {
    if (keyword.find(c.digit) != std::string_view::npos) return c.digit;
  }
  return std::nullopt;
}

std::optional<double> curve_curvature(const std::string& keyword) {
  const std::optional<char> digit = curve_class(keyword);
  if (!digit) return std::nullopt;
  const double kappa = kCurveClasses[*digit - '1'].kappa;
  return curve_turns_left(keyword) ? -kappa : kappa;
}

PlanPath::PlanPath(Geometry& geometry, int32_t& indice_svolta)
    : t_(geometry), indice_svolta_(indice_svolta) {
  t_.x.set(0, int16_t{0});
  t_.y.set(0, int16_t{0});
  t_.x.set(1, int16_t{0});
  t_.y.set(1, int16_t{1});
}

bool PlanPath::curve(int64_t start, int64_t length, double kappa) {
  const int64_t straight_end = std::min(start, last_point());
  while (c_ <= straight_end) {
    if (!after_curve_point(put_next(std::nullopt))) return false;
  }
  const int64_t curve_end = std::min(start + length, last_point());
  while (c_ <= curve_end) {
    if (!after_curve_point(put_next(kappa))) return false;
  }
  return true;
}

int64_t PlanPath::points_turned(int64_t start, int64_t length) const {
  const int64_t first = std::max(c_, std::min(start, last_point()) + 1);
  const int64_t last = std::min(start + length, last_point());
  return std::max<int64_t>(0, last - first + 1);
}

void PlanPath::straight_to(int64_t last) {
  const int64_t end = std::min(last, last_point());
  while (c_ <= end) put_next(std::nullopt);
}

PlanPath::Step PlanPath::put_next(std::optional<double> kappa) {
  const Step s{last_.x - before_.x, last_.y - before_.y};
  Point next;
  if (kappa) {
    next = {last_.x + (s.dx + *kappa * s.dy), last_.y + (s.dy - *kappa * s.dx)};
  } else {
    next = {last_.x + s.dx, last_.y + s.dy};
  }
  const size_t c = static_cast<size_t>(c_);
  t_.x.set(c, next.x);
  t_.y.set(c, next.y);
  before_ = last_;
  last_ = next;
  ++c_;
  return s;
}

bool PlanPath::after_curve_point(const Step& step) {
  if (c_ > kMaxPlanPoint) return false;
  if (step.dy < 0.015 && indice_svolta_ == 0) indice_svolta_ = static_cast<int32_t>(c_);
  return true;
}

int64_t PlanPath::last_point() const { return static_cast<int64_t>(t_.x.size()) - 1; }

}  // namespace scenario
