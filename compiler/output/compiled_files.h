// The three compiled files that the simulator loads: the line geometry, the
// scenario records and the track. Every byte is laid out in docs/formats.md
// ("Compiled files"); the serialisers write it field by field, little-endian,
// with no padding.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "compiler/model/state.h"
#include "compiler/output/compile.h"

namespace scenario {

// All x elements for metres 0..lunghezza_totale, then all y elements; each a
// 16-bit tag (0 empty, 2 int16, 5 double) and its value.
std::string geometry_bytes(const Geometry& geometry);

// The same bytes handed to `piece` in order, a few hundred kilobytes at a
// time, so that the geometry of a long route never exists twice in memory.
void geometry_pieces(const Geometry& geometry, const std::function<void(std::string_view)>& piece);

// The 87 records, index 0 first: 34 bytes each plus the length of the text.
std::string records_bytes(const std::array<Record, kRecordCount>& record);

// Every cell, index 0 first: 15 bytes each.
std::string track_bytes(const std::vector<Cella>& celle);

// Writes, in this order, the line geometry (only with `build_geometry`, in
// pieces), the records and the track, each replaced whole. Stops at the
// first file that cannot be written, with its name and the reason; the files
// not yet reached keep their earlier content.
CompileOutcome write_compiled_files(const CompilationState& state, const FileNames& names);

}  // namespace scenario
