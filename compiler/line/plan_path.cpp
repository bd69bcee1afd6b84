#include "compiler/line/plan_path.h"

#include <algorithm>
#include <variant>

namespace scenario {
namespace {

// The value of a geometry element; the two starting points are 16-bit
// integers, the integrated ones doubles.
double coordinate(const Elemento& e) {
  if (const auto* i = std::get_if<int16_t>(&e)) return *i;
  if (const auto* d = std::get_if<double>(&e)) return *d;
  return 0.0;
}

}  // namespace

std::optional<double> curve_curvature(const std::string& keyword) {
  static constexpr struct {
    char digit;
    double kappa;
  } kClasses[] = {{'1', 0.0001}, {'2', 0.0002}, {'3', 0.0004}, {'4', 0.001}, {'5', 0.002}, {'6', 0.003}};
  for (const auto& c : kClasses) {
    if (keyword.find(c.digit) == std::string::npos) continue;
    const bool left = keyword.find_first_of("sS") != std::string::npos;
    return left ? -c.kappa : c.kappa;
  }
  return std::nullopt;
}

PlanPath::PlanPath(Tracciato& tracciato, int32_t& indice_svolta)
    : t_(tracciato), indice_svolta_(indice_svolta) {
  t_.x[0] = int16_t{0};
  t_.y[0] = int16_t{0};
  t_.x[1] = int16_t{0};
  t_.y[1] = int16_t{1};
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

void PlanPath::straight_to(int64_t last) {
  const int64_t end = std::min(last, last_point());
  while (c_ <= end) put_next(std::nullopt);
}

PlanPath::Step PlanPath::step_before() const {
  const size_t c = static_cast<size_t>(c_);
  return {coordinate(t_.x[c - 1]) - coordinate(t_.x[c - 2]),
          coordinate(t_.y[c - 1]) - coordinate(t_.y[c - 2])};
}

PlanPath::Step PlanPath::put_next(std::optional<double> kappa) {
  const Step s = step_before();
  const size_t c = static_cast<size_t>(c_);
  const double x = coordinate(t_.x[c - 1]);
  const double y = coordinate(t_.y[c - 1]);
  if (kappa) {
    t_.x[c] = x + (s.dx + *kappa * s.dy);
    t_.y[c] = y + (s.dy - *kappa * s.dx);
  } else {
    t_.x[c] = x + s.dx;
    t_.y[c] = y + s.dy;
  }
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
