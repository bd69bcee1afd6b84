#include "tools/plot/plot.h"

#include <cmath>
#include <sstream>

#include "tools/plot/plot_plan.h"
#include "tools/plot/plot_profile.h"
#include "tools/plot/plot_route.h"
#include "tools/plot/svg_page.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

constexpr const char* kStyle = R"(<style>
text { font-family: DejaVu Sans, Arial, sans-serif; fill: #222; }
.heading { font-size: 13px; font-weight: bold; }
.axis, .legend { font-size: 11px; }
.tick-label { fill: #666; }
.panel { fill: #fcfcf8; stroke: #999; stroke-width: 1; }
.grid { stroke: #ddd; stroke-width: 1; }
.zero { stroke: #999; stroke-width: 1; stroke-dasharray: 4 3; }
.track { fill: none; stroke: #333; stroke-width: 2; }
.station { fill: #1f5fbf; stroke: #fff; stroke-width: 1; }
.signal { fill: #d62728; }
.tick { fill: #888; }
.gradient { fill: none; stroke: #8c564b; stroke-width: 1.5; }
.speed { fill: none; stroke: #2ca02c; stroke-width: 1.8; }
.slowdown { stroke: #d62728; stroke-width: 4; }
.slowdown-band { fill: #d62728; }
.indicator { fill: #ff7f0e; stroke: #333; stroke-width: 0.5; }
.warning { fill: #ffd700; stroke: #333; stroke-width: 0.8; }
.mountain { fill: #a0785a; opacity: 0.7; }
.zone { fill: #1f5fbf; opacity: 0.45; }
.warning-text { font-size: 12px; fill: #a05a00; }
</style>
)";

}  // namespace

double nice_step(double span, int max_ticks) {
  if (!(span > 0)) return 1;
  double step = std::pow(10.0, std::floor(std::log10(span / max_ticks)));
  for (const double f : {1.0, 2.0, 5.0, 10.0}) {
    if (span / (step * f) <= max_ticks) return std::max(step * f, 1e-9);
  }
  return step * 10;
}

std::string plot_svg(const PlotInput& in) {
  const Route route = read_route(*in.records, *in.track);
  std::ostringstream body;
  double top = 50;
  for (const std::string& warning : in.warnings) {
    body << "<text class=\"warning-text\" x=\"" << num(kLeft) << "\" y=\"" << num(top + 4) << "\">"
         << xml_escape("Attenzione: " + warning) << "</text>\n";
    top += 18;
  }
  LabelPlacer plan_labels;
  if (in.geometry) {
    const double height = plan_height(*in.geometry, route);
    draw_plan(body, *in.geometry, route, top + 18, height, plan_labels);
    top += height + 60;
  } else {
    body << "<text class=\"heading\" x=\"" << num(kLeft) << "\" y=\"" << num(top + 20) << "\">"
         << xml_escape(in.no_plan.empty() ? "Pianta non disponibile" : in.no_plan) << "</text>\n";
    top += 60;
  }
  top = draw_profile(body, route, top + 18);
  legend(body, top, in.geometry != nullptr);
  const double height = top + 50;

  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << num(kWidth) << "\" height=\"" << num(height)
      << "\" viewBox=\"0 0 " << num(kWidth) << " " << num(height) << "\">\n"
      << kStyle << "<rect x=\"0\" y=\"0\" width=\"" << num(kWidth) << "\" height=\"" << num(height)
      << "\" fill=\"#ffffff\"/>\n"
      << "<text class=\"heading\" font-size=\"18\" x=\"" << num(kLeft) << "\" y=\"30\">"
      << xml_escape(to_utf8(in.title)) << "</text>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}

}  // namespace scenario::tools
