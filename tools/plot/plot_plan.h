// The plan view of the line: the geometry from its start to the line's end,
// kilometre ticks, stations and signals.
#pragma once

#include <sstream>

#include "readback/decode.h"
#include "tools/plot/plot_route.h"
#include "tools/plot/svg_page.h"

namespace scenario::tools {

// The height the plan's frame needs to show the line in its true proportions
// across the page's width (a line heading north gets a tall frame).
double plan_height(const DecodedGeometry& g, const Route& route);

void draw_plan(std::ostringstream& svg, const DecodedGeometry& g, const Route& route, double top,
               double height, LabelPlacer& labels);

}  // namespace scenario::tools
