// Decoders for the three compiled files, beside their writers and on the
// same layouts (compiler/output/layouts.h). They read only what the bytes
// hold: a truncated or malformed file is refused with the byte offset where
// decoding stopped, never read past its end.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "compiler/model/model.h"

namespace scenario {

struct DecodeError {
  std::string message;
  size_t offset = 0;
};

struct DecodedTrack {
  std::vector<Cella> celle;
};

struct DecodedRecords {
  std::array<Record, kRecordCount> record{};
};

// The geometry: as many x elements as y elements, one per metre.
using DecodedGeometry = Geometry;

// The number a geometry element holds, or nothing for an empty element.
std::optional<double> element_value(const GeometryElement& e);

enum class FileKind { kGeometry, kRecords, kTrack };

using Decoded = std::variant<DecodedGeometry, DecodedRecords, DecodedTrack>;

template <class T>
using DecodeResult = std::variant<T, DecodeError>;

DecodeResult<DecodedTrack> decode_track(std::string_view bytes);
DecodeResult<DecodedRecords> decode_records(std::string_view bytes);
DecodeResult<DecodedGeometry> decode_geometry(std::string_view bytes);

// The kind a file name suggests: "..._linea.dat" geometry, ".sim" records,
// other ".dat" track; nothing for any other name.
std::optional<FileKind> kind_from_name(std::string_view file_name);

// A file of text, which no compiled file is: every file the compiler writes
// holds bytes below 0x20 other than tab and line ends (the zero high bytes
// of its numbers). A text holding "[generale]" or a comma between fields reads as a
// description.
enum class TextKind { kDescription, kOther };
std::optional<TextKind> text_kind(std::string_view bytes);

// Decodes by layout, trying the kind the name suggests first. When no layout
// fits, the error is the one of the suggested kind (or of the track layout).
DecodeResult<Decoded> decode_any(std::string_view bytes, std::string_view file_name);

}  // namespace scenario
