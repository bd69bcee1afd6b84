#include "tools/plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "tools/text.h"

namespace scenario::tools {
namespace {

constexpr double kWidth = 1200;
constexpr double kLeft = 70;
constexpr double kRight = kWidth - 30;
constexpr double kPlotWidth = kRight - kLeft;

std::string num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

// A kilometre figure with as many decimals as the tick step needs.
std::string km_text(double km, double step) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 3);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, km);
  return buf;
}

// ---- What the compiled files say, in metres along the route ----

struct Station {
  int32_t position, zone_start, zone_end;
  std::string name;
};

struct Stretch {
  int32_t from, to;
  int value;
};

struct Route {
  int32_t length = 0;  // metres of line (without the model's extension)
  std::vector<Station> stations;
  std::vector<int32_t> signals;
  std::vector<std::pair<int32_t, int>> indicators;  // position, rank-A speed on the left board
  std::vector<int32_t> warnings;
  std::vector<Stretch> slowdowns;   // start to end, speed
  std::vector<Stretch> mountains;   // covered cells joined, type
  std::vector<Stretch> gradients;   // per cell, per mille
  std::vector<Stretch> speeds;      // per cell, km/h
};

// A point object in cell i stands at (i - 1) * 50 m; a stretch attribute of
// cell i covers i * 50 .. i * 50 + 50.
int32_t object_position(size_t cell) { return static_cast<int32_t>(cell) * 50 - 50; }

void extend(std::vector<Stretch>& list, int32_t from, int value) {
  if (!list.empty() && list.back().to == from && list.back().value == value) {
    list.back().to = from + 50;
  } else {
    list.push_back({from, from + 50, value});
  }
}

Route read_route(const DecodedRecords& records, const DecodedTrack& track) {
  Route r;
  const auto& cells = track.celle;
  r.length = records.record[84].fine_zona;
  if (r.length <= 0) r.length = std::max<int32_t>(50, static_cast<int32_t>(cells.size()) * 50 - 7050);

  std::set<int> sign_slots;
  std::optional<size_t> open_slowdown;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cella& c = cells[i];
    const int32_t at = object_position(i);
    switch (c.oggetto) {
      case kSignal: r.signals.push_back(at); break;
      case kSpeedIndicator: r.indicators.emplace_back(at, c.valore1 / 20); break;
      case kSlowdownWarning: r.warnings.push_back(at); break;
      case kSlowdownStart: open_slowdown = i; break;
      case kSlowdownEnd:
        if (open_slowdown)
          r.slowdowns.push_back({object_position(*open_slowdown), at, cells[*open_slowdown].valore1});
        open_slowdown.reset();
        break;
      case kDirectionSign: sign_slots.insert(c.valore1); break;
      default: break;
    }
    const auto from = static_cast<int32_t>(i) * 50;
    if (from >= r.length) continue;
    if (c.montagna) extend(r.mountains, from, c.montagna);
    if (c.pendenza) extend(r.gradients, from, c.pendenza - 100);
    if (c.velocita) extend(r.speeds, from, c.velocita * 5);
  }
  for (int slot = 1; slot <= 80; ++slot) {
    const Record& rec = records.record[static_cast<size_t>(slot)];
    if (sign_slots.count(slot) || rec.nome_punto.empty()) continue;
    r.stations.push_back({rec.posizione_punto, rec.inizio_zona, rec.fine_zona, to_utf8(rec.nome_punto)});
  }
  return r;
}

// ---- Labels that do not pile on each other ----

struct Box {
  double x0, y0, x1, y1;
  bool overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

class LabelPlacer {
 public:
  // Tries the candidate anchors in order; returns the first whose box is
  // free, or nothing (the label is left out rather than drawn over another).
  std::optional<Box> place(const std::vector<Box>& candidates) {
    for (const Box& b : candidates) {
      if (std::none_of(taken_.begin(), taken_.end(), [&](const Box& t) { return t.overlaps(b); })) {
        taken_.push_back(b);
        return b;
      }
    }
    return std::nullopt;
  }
  void reserve(const Box& b) { taken_.push_back(b); }

 private:
  std::vector<Box> taken_;
};

double text_width(const std::string& utf8, double size) {
  size_t chars = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return static_cast<double>(chars) * size * 0.6;
}

// Candidate boxes for a horizontal label near a point, nearest first.
std::vector<Box> around(double x, double y, double w, double h) {
  std::vector<Box> boxes;
  for (const double d : {6.0, 14.0, 24.0}) {
    boxes.push_back({x + d, y - h / 2, x + d + w, y + h / 2});
    boxes.push_back({x - d - w, y - h / 2, x - d, y + h / 2});
    boxes.push_back({x - w / 2, y - d - h, x + w / 2, y - d});
    boxes.push_back({x - w / 2, y + d, x + w / 2, y + d + h});
  }
  return boxes;
}

void text_in(std::ostringstream& svg, const Box& b, const std::string& utf8, double size,
             const char* cls) {
  svg << "<text class=\"" << cls << "\" x=\"" << num(b.x0) << "\" y=\"" << num(b.y1 - size * 0.2)
      << "\" font-size=\"" << num(size) << "\">" << xml_escape(utf8) << "</text>\n";
}

// ---- Plan view ----

struct PlanFrame {
  double min_x, min_y, scale, top, left, height;
  double sx(double x) const { return left + (x - min_x) * scale; }
  double sy(double y) const { return top + height - (y - min_y) * scale; }
};

std::optional<std::pair<double, double>> point_at(const DecodedGeometry& g, size_t i) {
  if (i >= g.x.size()) return std::nullopt;
  const auto value = [](const Elemento& e) -> std::optional<double> {
    if (const auto* v = std::get_if<int16_t>(&e)) return *v;
    if (const auto* v = std::get_if<double>(&e)) return *v;
    return std::nullopt;
  };
  const auto x = value(g.x[i]);
  const auto y = value(g.y[i]);
  if (!x || !y) return std::nullopt;
  return std::make_pair(*x, *y);
}

void draw_plan(std::ostringstream& svg, const DecodedGeometry& g, const Route& route, double top,
               double height, LabelPlacer& labels) {
  double min_x = INFINITY, max_x = -INFINITY, min_y = INFINITY, max_y = -INFINITY;
  // The line itself; the model's extension past its end is not drawn.
  const size_t n = std::min(g.x.size(), static_cast<size_t>(route.length) + 1);
  const size_t stride = std::max<size_t>(1, n / 4000);
  std::vector<std::pair<double, double>> pts;
  for (size_t i = 0; i < n; i += stride) {
    if (const auto p = point_at(g, i)) {
      pts.push_back(*p);
      min_x = std::min(min_x, p->first), max_x = std::max(max_x, p->first);
      min_y = std::min(min_y, p->second), max_y = std::max(max_y, p->second);
    }
  }
  svg << "<rect class=\"panel\" x=\"" << num(kLeft) << "\" y=\"" << num(top) << "\" width=\""
      << num(kPlotWidth) << "\" height=\"" << num(height) << "\"/>\n";
  svg << "<text class=\"heading\" x=\"" << num(kLeft) << "\" y=\"" << num(top - 8)
      << "\">Pianta della linea</text>\n";
  if (pts.size() < 2) return;

  const double pad = 40;
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

  for (const int32_t s : route.signals) {
    if (const auto p = point_at(g, static_cast<size_t>(std::max(0, s)))) {
      svg << "<circle class=\"signal\" cx=\"" << num(f.sx(p->first)) << "\" cy=\"" << num(f.sy(p->second))
          << "\" r=\"2.5\"/>\n";
    }
  }
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

// ---- Profile along the route ----

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
  panel(svg, top, sh, "Velocita' massima del treno (km/h), indicatori e rallentamenti");
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

  // Mountain stretches, station zones and slowdowns as bands, station names above.
  const double bh = 60;
  panel(svg, top, bh, "Tratti di montagna, zone di stazione, rallentamenti");
  km_grid(svg, a, top, bh, true);
  for (const Stretch& m : r.mountains) band(svg, a, m.from, m.to, top + 6, 14, "mountain");
  for (const Station& s : r.stations) band(svg, a, s.zone_start, s.zone_end, top + 24, 14, "zone");
  for (const Stretch& s : r.slowdowns) band(svg, a, s.from, s.to, top + 42, 12, "slowdown-band");
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

void legend(std::ostringstream& svg, double top) {
  struct Item {
    const char* shape;
    const char* label;
  };
  const Item items[] = {
      {"<line class=\"track\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "binario (pianta)"},
      {"<rect class=\"station\" x=\"7\" y=\"2\" width=\"7\" height=\"7\"/>", "stazione"},
      {"<circle class=\"signal\" cx=\"11\" cy=\"6\" r=\"3\"/>", "segnale"},
      {"<circle class=\"tick\" cx=\"11\" cy=\"6\" r=\"2\"/>", "progressiva km"},
      {"<line class=\"gradient\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "pendenza"},
      {"<line class=\"speed\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "velocita' massima"},
      {"<path class=\"indicator\" d=\"M11,1 l5,5 l-5,5 l-5,-5 z\"/>", "indicatore (rango A)"},
      {"<path class=\"warning\" d=\"M11,1 l5,9 l-10,0 z\"/>", "avviso di rallentamento"},
      {"<line class=\"slowdown\" x1=\"0\" y1=\"6\" x2=\"22\" y2=\"6\"/>", "rallentamento"},
      {"<rect class=\"mountain\" x=\"0\" y=\"1\" width=\"22\" height=\"10\"/>", "tratto di montagna"},
      {"<rect class=\"zone\" x=\"0\" y=\"1\" width=\"22\" height=\"10\"/>", "zona di stazione"},
  };
  double x = kLeft, y = top;
  for (const Item& it : items) {
    const double w = 30 + text_width(it.label, 11) + 18;
    if (x + w > kRight) x = kLeft, y += 20;
    svg << "<g transform=\"translate(" << num(x) << "," << num(y) << ")\">" << it.shape
        << "<text class=\"legend\" x=\"28\" y=\"10\">" << it.label << "</text></g>\n";
    x += w;
  }
}

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
  LabelPlacer plan_labels;
  const double plan_height = 520;
  if (in.geometry) {
    draw_plan(body, *in.geometry, route, top + 18, plan_height, plan_labels);
    top += plan_height + 60;
  } else {
    body << "<text class=\"heading\" x=\"" << num(kLeft) << "\" y=\"" << num(top + 20)
         << "\">Pianta non disponibile: compilato senza geometria</text>\n";
    top += 60;
  }
  top = draw_profile(body, route, top + 18);
  legend(body, top);
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
