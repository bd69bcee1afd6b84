#include "tools/plot/svg_page.h"

#include <cmath>
#include <cstdio>

#include "tools/text.h"

namespace scenario::tools {

std::string num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

std::string km_text(double km, double step) {
  const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 3);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, km);
  return buf;
}

double text_width(const std::string& utf8, double size) {
  size_t chars = 0;
  for (const char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
  return static_cast<double>(chars) * size * 0.6;
}

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

}  // namespace scenario::tools
