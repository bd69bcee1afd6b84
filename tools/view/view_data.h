// The data of the route page of `scenario view`: one JSON document built from
// the decoded compiled files, which the page's script draws. Every text in it
// is UTF-8 and is data for the page, never markup.
//
//   title, route_length (m), last_cell
//   kilometre   [{from, to|null, offset}]: route metres [from, to) are line
//               metre = route metre + offset (the inferred kilometre posts)
//   plan        {step, x, y} or null: one point every `step` metres from 0 to
//               route_length, in decimetres, the first absolute and the rest
//               differences to the previous point; +x east, +y north
//   no_plan     why there is no plan (when plan is null)
//   cells       per cell: speed (km/h), gradient (per mille), adhesion,
//               mountain, approach, signal_time
//   objects     [{cell, at, kind, code, label, words, left?, right?}]: every
//               point object, `at` the metre it stands at, `words` what it is
//               (cell_words), left/right the boards' speeds of ranks A, B, C
//   stations    [{slot, name, position, zone: [from, to], stop_cell|null,
//               time|null}]: time "HH:MM:SS" as the description gives it, null
//               when it gives none (0)
//   estimate    the earliest run with the default train (estimate_run), or
//               null with fewer than two stations: {parameters {acceleration,
//               braking, dwell, length}, from, step, speed, stations}; speed
//               in km/h to 0.1 every `step` metres from route metre `from` to
//               the last station's stop; stations [{slot, stops, arrival,
//               departure, given|null, margin|null}] in route order, times in
//               whole seconds from the midnight before the departure (past
//               86400 after midnight), the margin rounded down
//   slowdowns   [{from, to, speed, warning|null}]
//   mountains   [{from, to, type}]
//   stale       [{file, reason}]: compiled files that do not belong
//   diagnostics the diagnostics array as given, or null without descriptions
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "readback/decode.h"
#include "tools/stale_files.h"

namespace scenario::tools {

struct ViewInput {
  const DecodedRecords* records = nullptr;
  const DecodedTrack* track = nullptr;
  const DecodedGeometry* geometry = nullptr;  // null: none, or not drawn
  std::string no_plan;                        // why not, when geometry is null
  std::string title;                          // UTF-8
  std::vector<StaleFile> stale;
  // Items {severity, file, line, column, code, position, cell, message};
  // absent when the descriptions are not at hand.
  std::optional<nlohmann::ordered_json> diagnostics;
};

nlohmann::ordered_json view_data(const ViewInput& input);

}  // namespace scenario::tools
