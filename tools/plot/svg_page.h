// The frame of the plotted page and what every part of it uses to write SVG:
// numbers, kilometre labels, and labels that do not pile on each other.
#pragma once

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace scenario::tools {

inline constexpr double kWidth = 1200;
inline constexpr double kLeft = 70;
inline constexpr double kRight = kWidth - 30;
inline constexpr double kPlotWidth = kRight - kLeft;

// A coordinate with one decimal.
std::string num(double v);

// A kilometre figure with as many decimals as the tick step needs.
std::string km_text(double km, double step);

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

// Width of a text in pixels at a font size (an average glyph of 0.6 em).
double text_width(const std::string& utf8, double size);

// Candidate boxes for a horizontal label near a point, nearest first.
std::vector<Box> around(double x, double y, double w, double h);

// Writes a label into its box.
void text_in(std::ostringstream& svg, const Box& b, const std::string& utf8, double size, const char* cls);

}  // namespace scenario::tools
