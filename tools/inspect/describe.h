// What `scenario inspect` tells about a decoded compiled file, as one JSON
// object per file (its keys are listed in README.md); the text output is
// rendered from the same object.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "readback/decode.h"

namespace scenario::tools {

using Json = nlohmann::ordered_json;

// The version of the document `scenario inspect --json` writes.
inline constexpr int kInspectFormat = 1;

// A place asked for in a track: a line metre (every route metre where the
// line has it) or a route metre.
struct TrackPlace {
  enum class Kind { kLineMetre, kRouteMetre } kind = Kind::kRouteMetre;
  int64_t metre = 0;
};

// What a track file is described with: the records file beside it, which
// gives the station names, the sign texts and the line kilometres.
struct TrackContext {
  const DecodedRecords* records = nullptr;  // nothing when it could not be read
  std::string records_file;                 // where it was looked for
  std::string records_note;                 // Italian: why it was not read
  std::optional<TrackPlace> at;             // list only the cells around it
};

Json describe_track(const DecodedTrack& track, const TrackContext& context);
Json describe_records(const DecodedRecords& records);
Json describe_geometry(const DecodedGeometry& geometry);
// A track without its records file.
Json describe(const Decoded& decoded);

std::string render_track(const Json& description);
std::string render_records(const Json& description);
std::string render_geometry(const Json& description);
// Readable Italian text of any description, by its kind.
std::string render_text(const Json& description);

}  // namespace scenario::tools
