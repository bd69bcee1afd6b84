#include "tools/plot/plot_plan.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "tools/plot/plot.h"

namespace scenario::tools {
namespace {

struct PlanFrame {
  double min_x, min_y, scale, top, left, height;
  double sx(double x) const { return left + (x - min_x) * scale; }
  double sy(double y) const { return top + height - (y - min_y) * scale; }
};

std::optional<std::pair<double, double>> point_at(const DecodedGeometry& g, size_t i) {
  if (i >= g.x.size()) return std::nullopt;
  const auto x = element_value(g.x[i]);
  const auto y = element_value(g.y[i]);
  if (!x || !y) return std::nullopt;
  return std::make_pair(*x, *y);
}

constexpr double kPad = 40;

struct Bounds {
  double min_x = INFINITY, max_x = -INFINITY, min_y = INFINITY, max_y = -INFINITY;
};

// The line itself; the model's extension past its end is not drawn.
std::vector<std::pair<double, double>> line_points(const DecodedGeometry& g, const Route& route, Bounds& b) {
  const size_t n = std::min(g.x.size(), static_cast<size_t>(route.length) + 1);
  const size_t stride = std::max<size_t>(1, n / 4000);
  std::vector<std::pair<double, double>> pts;
  for (size_t i = 0; i < n; i += stride) {
    if (const auto p = point_at(g, i)) {
      pts.push_back(*p);
      b.min_x = std::min(b.min_x, p->first), b.max_x = std::max(b.max_x, p->first);
      b.min_y = std::min(b.min_y, p->second), b.max_y = std::max(b.max_y, p->second);
    }
  }
  return pts;
}

}  // namespace

double plan_height(const DecodedGeometry& g, const Route& route) {
  Bounds b;
  if (line_points(g, route, b).size() < 2) return 320;
  const double w = std::max(b.max_x - b.min_x, 1.0), h = std::max(b.max_y - b.min_y, 1.0);
  return std::clamp(h / w * (kPlotWidth - 2 * kPad) + 2 * kPad, 320.0, 1100.0);
}

void draw_plan(std::ostringstream& svg, const DecodedGeometry& g, const Route& route, double top,
               double height, LabelPlacer& labels) {
  Bounds b;
  const std::vector<std::pair<double, double>> pts = line_points(g, route, b);
  const double min_x = b.min_x, max_x = b.max_x, min_y = b.min_y, max_y = b.max_y;
  svg << "<rect class=\"panel\" x=\"" << num(kLeft) << "\" y=\"" << num(top) << "\" width=\""
      << num(kPlotWidth) << "\" height=\"" << num(height) << "\"/>\n";
  svg << "<text class=\"heading\" x=\"" << num(kLeft) << "\" y=\"" << num(top - 8)
      << "\">Pianta della linea</text>\n";
  if (pts.size() < 2) return;

  const double pad = kPad;
  const double span = std::max({max_x - min_x, max_y - min_y, 1.0});
  const double scale = std::min((kPlotWidth - 2 * pad) / std::max(max_x - min_x, span / 1000),
                                (height - 2 * pad) / std::max(max_y - min_y, span / 1000));
  // Centre the drawing in the panel.
  const double draw_w = (max_x - min_x) * scale, draw_h = (max_y - min_y) * scale;
  const PlanFrame f{min_x, min_y, scale, top + (height - draw_h) / 2, kLeft + (kPlotWidth - draw_w) / 2,
                    draw_h};

  svg << "<polyline class=\"track\" points=\"";
  for (const auto& [x, y] : pts) svg << num(f.sx(x)) << "," << num(f.sy(y)) << " ";
  svg << "\"/>\n";

  // Labels keep off the line itself and off every station marker; station
  // names are placed before the kilometre ticks, which matter less.
  for (size_t i = 1; i < pts.size(); ++i) {
    const double x = f.sx(pts[i].first), y = f.sy(pts[i].second);
    labels.reserve({x - 2, y - 2, x + 2, y + 2});
  }
  std::vector<std::pair<double, double>> markers;
  for (const Station& st : route.stations) {
    const auto p = point_at(g, static_cast<size_t>(std::max(0, st.position)));
    if (!p) continue;
    const double x = f.sx(p->first), y = f.sy(p->second);
    markers.emplace_back(x, y);
    svg << "<rect class=\"station\" x=\"" << num(x - 3.5) << "\" y=\"" << num(y - 3.5)
        << "\" width=\"7\" height=\"7\"/>\n";
    labels.reserve({x - 4, y - 4, x + 4, y + 4});
  }
  // Signals over the station squares, so that none is hidden.
  for (const int32_t s : route.signals) {
    if (const auto p = point_at(g, static_cast<size_t>(std::max(0, s)))) {
      svg << "<circle class=\"signal\" cx=\"" << num(f.sx(p->first)) << "\" cy=\"" << num(f.sy(p->second))
          << "\" r=\"2.5\"/>\n";
    }
  }
  size_t next_marker = 0;
  for (const Station& st : route.stations) {
    if (!point_at(g, static_cast<size_t>(std::max(0, st.position)))) continue;
    const auto [x, y] = markers[next_marker++];
    if (const auto b = labels.place(around(x, y, text_width(st.name, 11), 12)))
      text_in(svg, *b, st.name, 11, "station-label");
  }
  const double step_km = nice_step(route.length / 1000.0, 10);
  for (int i = 0; i * step_km * 1000 <= route.length; ++i) {
    const double km = i * step_km;
    const auto p = point_at(g, static_cast<size_t>(std::llround(km * 1000)));
    if (!p) continue;
    const double x = f.sx(p->first), y = f.sy(p->second);
    svg << "<circle class=\"tick\" cx=\"" << num(x) << "\" cy=\"" << num(y) << "\" r=\"2\"/>\n";
    const std::string label = "km " + km_text(km, step_km);
    if (const auto b = labels.place(around(x, y, text_width(label, 9), 10))) text_in(svg, *b, label, 9, "tick-label");
  }
}

}  // namespace scenario::tools
