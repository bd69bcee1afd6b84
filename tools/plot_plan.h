// The plan view of the line: the geometry from its start to the line's end,
// kilometre ticks, stations and signals.
#pragma once

#include <sstream>

#include "compiler/output/decode.h"
#include "tools/plot_route.h"
#include "tools/svg_page.h"

namespace scenario::tools {

void draw_plan(std::ostringstream& svg, const DecodedGeometry& g, const Route& route, double top,
               double height, LabelPlacer& labels);

}  // namespace scenario::tools
