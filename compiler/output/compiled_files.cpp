#include "compiler/output/compiled_files.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <type_traits>

#include "compiler/output/layouts.h"

namespace scenario {
namespace {

using layout::element_bytes;
using layout::GeometryTag;
using layout::kCellBytes;
using layout::kRecordBytes;

// The readers never produce a text longer than a 16-bit count can hold;
// should one appear, only its first 65 535 bytes are written, so that the
// count always matches the bytes that follow.
std::string_view countable(std::string_view text) {
  return text.substr(0, std::min<size_t>(text.size(), std::numeric_limits<uint16_t>::max()));
}

// Fills a buffer of a size known beforehand, little-endian.
class Bytes {
 public:
  Bytes(std::string& out, size_t size) : out_(out) {
    out_.resize(size);
    at_ = out_.data();
  }

  // An integer of any width, lowest byte first.
  template <class T>
    requires std::is_integral_v<T>
  void put(T value) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    // Assembled apart and copied whole: byte stores through at_ could alias
    // at_ itself and would be done one by one.
    char le[sizeof(T)];
    for (char& byte : le) {
      byte = static_cast<char>(bits & 0xFF);
      bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
    }
    std::memcpy(at_, le, sizeof(T));
    at_ += sizeof(T);
  }

  void put(double value) { put(std::bit_cast<uint64_t>(value)); }
  void put(GeometryTag tag) { put(static_cast<uint16_t>(tag)); }

  // A 16-bit count, then the bytes.
  void put(const std::string& text) {
    const std::string_view bytes = countable(text);
    put(static_cast<uint16_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), at_);
    at_ += bytes.size();
  }

 private:
  std::string& out_;
  char* at_ = nullptr;
};

// Elements of one axis from `first` up to (not including) `end`.
size_t axis_bytes(const GeometryAxis& axis, size_t first, size_t end) {
  size_t n = 0;
  for (size_t i = first; i < end; ++i) n += element_bytes(axis.kind(i));
  return n;
}

void put_axis(std::string& out, const GeometryAxis& axis, size_t first, size_t end) {
  Bytes bytes(out, axis_bytes(axis, first, end));
  for (size_t i = first; i < end; ++i) {
    const ElementKind kind = axis.kind(i);
    bytes.put(layout::tag_of(kind));
    switch (kind) {
      case ElementKind::kInt16:
        bytes.put(static_cast<int16_t>(axis.value(i)));
        break;
      case ElementKind::kDouble:
        bytes.put(axis.value(i));
        break;
      case ElementKind::kEmpty:
        break;
    }
  }
}

// Elements a geometry piece holds: at most 640 KiB of bytes.
constexpr size_t kPieceElements = 64 * 1024;

}  // namespace

std::string geometry_bytes(const Geometry& geometry) {
  std::string out;
  out.reserve(axis_bytes(geometry.x, 0, geometry.x.size()) + axis_bytes(geometry.y, 0, geometry.y.size()));
  geometry_pieces(geometry, [&out](std::string_view piece) { out.append(piece); });
  return out;
}

void geometry_pieces(const Geometry& geometry, const std::function<void(std::string_view)>& piece) {
  std::string buffer;
  for (const GeometryAxis* axis : {&geometry.x, &geometry.y}) {
    for (size_t first = 0; first < axis->size(); first += kPieceElements) {
      put_axis(buffer, *axis, first, std::min(axis->size(), first + kPieceElements));
      piece(buffer);
    }
  }
}

std::string records_bytes(const std::array<Record, kRecordCount>& record) {
  size_t size = 0;
  for (const Record& r : record) size += kRecordBytes + countable(r.nome_punto).size();
  std::string file;
  Bytes out(file, size);
  for (const Record& r : record) {
    layout::record_members([&](auto member) { out.put(r.*member); });
  }
  return file;
}

std::string track_bytes(const std::vector<Cella>& celle) {
  std::string file;
  Bytes out(file, celle.size() * kCellBytes);
  for (const Cella& c : celle) {
    layout::cell_members([&](auto member) { out.put(c.*member); });
  }
  return file;
}

CompileOutcome write_compiled_files(const CompilationState& state, const FileNames& names) {
  const TrackModel& m = state.model;
  CompileOutcome outcome;
  const auto wrote = [&outcome](const std::filesystem::path& file, std::optional<IoError> error) {
    if (error) {
      outcome.io_error = std::move(error);
      return false;
    }
    outcome.written.push_back(file);
    return true;
  };
  if (state.build_geometry) {
    FileReplacement geometry(names.linea_dat);
    geometry_pieces(m.geometry, [&geometry](std::string_view piece) { geometry.write(piece); });
    if (!wrote(names.linea_dat, geometry.commit())) return outcome;
  }
  if (!wrote(names.sim, replace_file(names.sim, records_bytes(m.record)))) return outcome;
  wrote(names.dat, replace_file(names.dat, track_bytes(m.celle)));
  return outcome;
}

}  // namespace scenario
