#include "tools/plot/plot_profile.h"

#include <cmath>
#include <cstdlib>

#include "tools/plot/plot.h"
#include "tools/plot/svg_page.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

struct Axis {
  double length_m;
  double x(double m) const { return kLeft + std::clamp(m / length_m, 0.0, 1.0) * kPlotWidth; }
};

void panel(std::ostringstream& svg, double top, double height, const std::string& title) {
  svg << "<rect class=\"panel\" x=\"" << num(kLeft) << "\" y=\"" << num(top) << "\" width=\""
      << num(kPlotWidth) << "\" height=\"" << num(height) << "\"/>\n";
  svg << "<text class=\"heading\" x=\"" << num(kLeft) << "\" y=\"" << num(top - 6) << "\">"
      << xml_escape(title) << "</text>\n";
}

void km_grid(std::ostringstream& svg, const Axis& a, double top, double height, bool labels) {
  const double step_km = nice_step(a.length_m / 1000.0, 20);
  for (int i = 0; i * step_km * 1000 <= a.length_m + 1e-6; ++i) {
    const double km = i * step_km;
    const double x = a.x(km * 1000);
    svg << "<line class=\"grid\" x1=\"" << num(x) << "\" y1=\"" << num(top) << "\" x2=\"" << num(x)
        << "\" y2=\"" << num(top + height) << "\"/>\n";
    if (labels) {
      svg << "<text class=\"axis\" text-anchor=\"middle\" x=\"" << num(x) << "\" y=\""
          << num(top + height + 14) << "\">" << km_text(km, step_km) << "</text>\n";
    }
  }
}

// Draws a step line of per-cell values in a panel with vertical range lo..hi.
void step_line(std::ostringstream& svg, const Axis& a, const std::vector<Stretch>& steps, double top,
               double height, double lo, double hi, const char* cls) {
  if (steps.empty()) return;
  const auto y = [&](double v) { return top + height - (v - lo) / (hi - lo) * height; };
  svg << "<polyline class=\"" << cls << "\" points=\"";
  for (const Stretch& s : steps) {
    svg << num(a.x(s.from)) << "," << num(y(s.value)) << " " << num(a.x(s.to)) << "," << num(y(s.value))
        << " ";
  }
  svg << "\"/>\n";
}

void value_labels(std::ostringstream& svg, double top, double height, double lo, double hi,
                  double step, const char* unit) {
  for (double v = std::ceil(lo / step) * step; v <= hi + 1e-9; v += step) {
    const double y = top + height - (v - lo) / (hi - lo) * height;
    svg << "<text class=\"axis\" text-anchor=\"end\" x=\"" << num(kLeft - 6) << "\" y=\"" << num(y + 3)
        << "\">" << std::llround(v) << "</text>\n";
  }
  svg << "<text class=\"axis\" text-anchor=\"end\" x=\"" << num(kLeft - 6) << "\" y=\"" << num(top - 6)
      << "\">" << unit << "</text>\n";
}

void band(std::ostringstream& svg, const Axis& a, int32_t from, int32_t to, double y, double h,
          const char* cls) {
  const double x0 = a.x(from), x1 = std::max(a.x(to), x0 + 1.5);
  svg << "<rect class=\"" << cls << "\" x=\"" << num(x0) << "\" y=\"" << num(y) << "\" width=\""
      << num(x1 - x0) << "\" height=\"" << num(h) << "\"/>\n";
}

}  // namespace

double draw_profile(std::ostringstream& svg, const Route& r, double top) {
  const Axis a{static_cast<double>(std::max(r.length, 50))};

  // Gradient.
  const double gh = 130;
  int gmax = 5;
  for (const Stretch& s : r.gradients) gmax = std::max(gmax, std::abs(s.value));
  const double glim = std::ceil(gmax / 5.0) * 5.0;
  panel(svg, top, gh, "Pendenza (per mille)");
  km_grid(svg, a, top, gh, false);
  value_labels(svg, top, gh, -glim, glim, nice_step(2 * glim, 4), "\xE2\x80\xB0");
  svg << "<line class=\"zero\" x1=\"" << num(kLeft) << "\" y1=\"" << num(top + gh / 2) << "\" x2=\""
      << num(kRight) << "\" y2=\"" << num(top + gh / 2) << "\"/>\n";
  step_line(svg, a, r.gradients, top, gh, -glim, glim, "gradient");
  top += gh + 36;

  // Speed limit, indicator boards, slowdowns.
  const double sh = 170;
  int vmax = 40;
  for (const Stretch& s : r.speeds) vmax = std::max(vmax, s.value);
  for (const auto& [pos, v] : r.indicators) vmax = std::max(vmax, v);
  const double vlim = std::ceil((vmax + 10) / 20.0) * 20.0;
  panel(svg, top, sh, "Velocità massima del treno (km/h), indicatori e rallentamenti");
  km_grid(svg, a, top, sh, false);
  value_labels(svg, top, sh, 0, vlim, nice_step(vlim, 5), "km/h");
  step_line(svg, a, r.speeds, top, sh, 0, vlim, "speed");
  const auto vy = [&](double v) { return top + sh - v / vlim * sh; };
  for (const Stretch& s : r.slowdowns) {
    svg << "<line class=\"slowdown\" x1=\"" << num(a.x(s.from)) << "\" y1=\"" << num(vy(s.value))
        << "\" x2=\"" << num(std::max(a.x(s.to), a.x(s.from) + 2)) << "\" y2=\"" << num(vy(s.value))
        << "\"/>\n";
  }
  // On a long route boards stand closer than their symbols are wide: a
  // symbol that would cover the previous one of the same height is left out.
  LabelPlacer symbols;
  for (const auto& [pos, v] : r.indicators) {
    const double x = a.x(pos), y = vy(v);
    if (!symbols.place({{x - 4, y - 5, x + 4, y + 5}})) continue;
    svg << "<path class=\"indicator\" d=\"M" << num(x) << "," << num(y - 5) << " l5,5 l-5,5 l-5,-5 z\"/>\n";
  }
  for (const int32_t w : r.warnings) {
    const double x = a.x(w);
    if (!symbols.place({{x - 5, top + 4, x + 5, top + 13}})) continue;
    svg << "<path class=\"warning\" d=\"M" << num(x) << "," << num(top + 4) << " l5,9 l-10,0 z\"/>\n";
  }
  top += sh + 30;

  // Mountain stretches, station zones, slowdowns and signals as bands,
  // station names below.
  const double bh = 76;
  panel(svg, top, bh, "Tratti di montagna, zone di stazione, rallentamenti, segnali");
  km_grid(svg, a, top, bh, true);
  for (const Stretch& m : r.mountains) band(svg, a, m.from, m.to, top + 6, 14, "mountain");
  for (const Station& s : r.stations) band(svg, a, s.zone_start, s.zone_end, top + 24, 14, "zone");
  for (const Stretch& s : r.slowdowns) band(svg, a, s.from, s.to, top + 42, 12, "slowdown-band");
  for (const int32_t s : r.signals) {
    svg << "<circle class=\"signal\" cx=\"" << num(a.x(s)) << "\" cy=\"" << num(top + 64) << "\" r=\"3\"/>\n";
  }
  svg << "<text class=\"axis\" text-anchor=\"middle\" x=\"" << num(kLeft + kPlotWidth / 2) << "\" y=\""
      << num(top + bh + 30) << "\">km dall'inizio della linea</text>\n";
  top += bh + 44;

  // Station names, vertical, under the axis; a name that would touch the
  // previous one is left out.
  LabelPlacer names;
  for (const Station& s : r.stations) {
    const double x = a.x(s.position);
    const double len = text_width(s.name, 10);
    if (!names.place({{x - 6, top, x + 6, top + len}})) continue;
    svg << "<text class=\"station-label\" font-size=\"10\" transform=\"translate(" << num(x + 3.5) << ","
        << num(top) << ") rotate(90)\">" << xml_escape(s.name) << "</text>\n";
  }
  return top + 120;
}

void legend(std::ostringstream& svg, double top, bool with_plan) {
  struct Item {
    const char* shape;
    const char* label;
    bool plan_only = false;
  };
  const Item items[] = {
      {"<line class=\"track\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "binario (pianta)", true},
      {"<rect class=\"station\" x=\"7\" y=\"2\" width=\"7\" height=\"7\"/>", "stazione", true},
      {"<circle class=\"signal\" cx=\"11\" cy=\"6\" r=\"3\"/>", "segnale"},
      {"<circle class=\"tick\" cx=\"11\" cy=\"6\" r=\"2\"/>", "progressiva km", true},
      {"<line class=\"gradient\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "pendenza"},
      {"<line class=\"speed\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "velocità massima"},
      {"<path class=\"indicator\" d=\"M11,1 l5,5 l-5,5 l-5,-5 z\"/>", "indicatore (rango A)"},
      {"<path class=\"warning\" d=\"M11,1 l5,9 l-10,0 z\"/>", "avviso di rallentamento"},
      {"<line class=\"slowdown\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "rallentamento"},
      {"<rect class=\"mountain\" x=\"0\" y=\"1\" width=\"22\" height=\"10\"/>", "tratto di montagna"},
      {"<rect class=\"zone\" x=\"0\" y=\"1\" width=\"22\" height=\"10\"/>", "zona di stazione"},
  };
  double x = kLeft, y = top;
  for (const Item& it : items) {
    if (it.plan_only && !with_plan) continue;
    const double w = 30 + text_width(it.label, 11) + 18;
    if (x + w > kRight) x = kLeft, y += 20;
    svg << "<g transform=\"translate(" << num(x) << "," << num(y) << ")\">" << it.shape
        << "<text class=\"legend\" x=\"28\" y=\"10\">" << it.label << "</text></g>\n";
    x += w;
  }
}

}  // namespace scenario::tools
