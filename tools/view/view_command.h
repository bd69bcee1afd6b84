// `scenario view` with the diagnostics given by the caller: the command passes
// what `scenario check` reports, a test may pass its own.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "tools/commands.h"

namespace scenario::tools {

// Writes the page; `diagnostics` is absent when the descriptions are not at
// hand (items as in view_data.h).
int write_view_page(const ViewArgs& options, const std::optional<nlohmann::ordered_json>& diagnostics,
                    std::ostream& out, std::ostream& err);

}  // namespace scenario::tools
