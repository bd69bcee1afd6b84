// Draws a compiled scenario as one self-contained SVG page: the plan view of
// the line above, the profile along the route below, on a common kilometre
// axis.
#pragma once

#include <string>
#include <vector>

#include "readback/decode.h"

namespace scenario::tools {

struct PlotInput {
  const DecodedGeometry* geometry = nullptr;  // absent when compiled without geometry
  const DecodedRecords* records = nullptr;
  const DecodedTrack* track = nullptr;
  std::string title;  // single-byte text
  std::string no_plan;  // UTF-8: why there is no geometry to draw
  std::vector<std::string> warnings;  // UTF-8: compiled files that do not belong
};

std::string plot_svg(const PlotInput& input);

// A tick step of 1, 2 or 5 times a power of ten that divides `span` into at
// most `max_ticks` intervals.
double nice_step(double span, int max_ticks);

}  // namespace scenario::tools
