// The profile along the route, under the plan: gradient, the train's speed
// limit with boards and slowdowns, mountain stretches and station zones on
// one kilometre axis; and the legend of the page.
#pragma once

#include <sstream>

#include "tools/plot/plot_route.h"

namespace scenario::tools {

// Draws the profile from `top` down; returns where the page goes on.
double draw_profile(std::ostringstream& svg, const Route& r, double top);

// The legend of what the page draws: the plan's items only with a plan.
void legend(std::ostringstream& svg, double top, bool with_plan);

}  // namespace scenario::tools
