// What `scenario inspect` tells about a decoded compiled file, as one JSON
// document; the text output is rendered from the same document.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "compiler/output/decode.h"

namespace scenario::tools {

using Json = nlohmann::ordered_json;

Json describe_track(const DecodedTrack& t);
Json describe_records(const DecodedRecords& r);
Json describe_geometry(const DecodedGeometry& g);
Json describe(const Decoded& d);

// Readable text of a description made by describe().
std::string render_text(const Json& description);

}  // namespace scenario::tools
