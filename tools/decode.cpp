#include "tools/decode.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace scenario::tools {
namespace {

// A cursor over little-endian bytes that refuses to read past the end.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  size_t offset() const { return pos_; }
  bool at_end() const { return pos_ == bytes_.size(); }
  bool has(size_t n) const { return bytes_.size() - pos_ >= n; }

  uint64_t unsigned_le(size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i)
      v |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[pos_ + i])) << (8 * i);
    pos_ += width;
    return v;
  }
  uint8_t u8() { return static_cast<uint8_t>(unsigned_le(1)); }
  int16_t i16() { return static_cast<int16_t>(static_cast<uint16_t>(unsigned_le(2))); }
  uint16_t u16() { return static_cast<uint16_t>(unsigned_le(2)); }
  int32_t i32() { return static_cast<int32_t>(static_cast<uint32_t>(unsigned_le(4))); }
  double f64() { return std::bit_cast<double>(unsigned_le(8)); }
  std::string text(size_t n) {
    std::string s(bytes_.substr(pos_, n));
    pos_ += n;
    return s;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

constexpr size_t kCellBytes = 15;
constexpr size_t kRecordFixedBytes = 34;  // a record without its text

DecodeError truncated(const ByteCursor& c, const char* what) {
  return DecodeError{std::string("truncated ") + what, c.offset()};
}

}  // namespace

DecodeResult<DecodedTrack> decode_track(std::string_view bytes) {
  if (bytes.empty()) return DecodeError{"empty track file", 0};
  if (bytes.size() % kCellBytes != 0)
    return DecodeError{"track length is not a multiple of 15 bytes",
                       bytes.size() - bytes.size() % kCellBytes};
  DecodedTrack t;
  t.celle.resize(bytes.size() / kCellBytes);
  ByteCursor c(bytes);
  for (Cella& cell : t.celle) {
    cell.oggetto = c.u8();
    cell.valore1 = c.i16();
    cell.valore2 = c.i16();
    cell.valore3 = c.i16();
    cell.valore4 = c.i16();
    cell.tempo_segnale = c.u8();
    cell.preavviso = c.u8();
    cell.montagna = c.u8();
    cell.velocita = c.u8();
    cell.pendenza = c.u8();
    cell.dato_treno = c.u8();
  }
  return t;
}

DecodeResult<DecodedRecords> decode_records(std::string_view bytes) {
  DecodedRecords d;
  ByteCursor c(bytes);
  for (Record& r : d.record) {
    if (!c.has(16)) return truncated(c, "record");
    r.tipo_punto = c.u8();
    r.inizio_zona = c.i32();
    r.fine_zona = c.i32();
    r.posizione_punto = c.i32();
    r.dato_1 = c.u8();
    const uint16_t n = c.u16();
    if (!c.has(n)) return DecodeError{"record text count runs past the end", c.offset() - 2};
    r.nome_punto = c.text(n);
    if (!c.has(kRecordFixedBytes - 16)) return truncated(c, "record");
    r.dato_4 = c.i16();
    r.dato_5 = c.i16();
    r.dato_7 = c.i16();
    r.dato_8 = c.i16();
    r.dato_9 = c.i16();
    r.dato_6 = c.u8();
    r.dato_10 = c.u8();
    r.allungamento = c.u8();
    r.dato_2 = c.u8();
    r.orario = c.i32();
  }
  if (!c.at_end()) return DecodeError{"bytes after the 87th record", c.offset()};
  return d;
}

DecodeResult<DecodedGeometry> decode_geometry(std::string_view bytes) {
  std::vector<Elemento> all;
  ByteCursor c(bytes);
  while (!c.at_end()) {
    if (!c.has(2)) return truncated(c, "element tag");
    const size_t at = c.offset();
    switch (c.u16()) {
      case 0:
        all.emplace_back(std::monostate{});
        break;
      case 2:
        if (!c.has(2)) return truncated(c, "16-bit element");
        all.emplace_back(c.i16());
        break;
      case 5:
        if (!c.has(8)) return truncated(c, "double element");
        all.emplace_back(c.f64());
        break;
      default:
        return DecodeError{"unknown element tag", at};
    }
  }
  if (all.empty() || all.size() % 2 != 0)
    return DecodeError{"geometry needs an equal, non-zero number of x and y elements", bytes.size()};
  DecodedGeometry g;
  const auto half = static_cast<std::ptrdiff_t>(all.size() / 2);
  g.x.assign(all.begin(), all.begin() + half);
  g.y.assign(all.begin() + half, all.end());
  return g;
}

std::optional<double> element_value(const Elemento& e) {
  if (const auto* v = std::get_if<int16_t>(&e)) return *v;
  if (const auto* v = std::get_if<double>(&e)) return *v;
  return std::nullopt;
}

std::optional<FileKind> kind_from_name(std::string_view name) {
  const auto ends_with = [&](std::string_view suffix) {
    return name.size() >= suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
  };
  if (ends_with("_linea.dat")) return FileKind::kGeometry;
  if (ends_with(".sim")) return FileKind::kRecords;
  if (ends_with(".dat")) return FileKind::kTrack;
  return std::nullopt;
}

namespace {

template <class T>
DecodeResult<Decoded> widen(DecodeResult<T> result) {
  if (T* value = std::get_if<T>(&result)) return Decoded{std::move(*value)};
  return std::get<DecodeError>(result);
}

DecodeResult<Decoded> decode_as(FileKind kind, std::string_view bytes) {
  switch (kind) {
    case FileKind::kGeometry:
      return widen(decode_geometry(bytes));
    case FileKind::kRecords:
      return widen(decode_records(bytes));
    case FileKind::kTrack:
      break;
  }
  return widen(decode_track(bytes));
}

}  // namespace

DecodeResult<Decoded> decode_any(std::string_view bytes, std::string_view file_name) {
  const FileKind hint = kind_from_name(file_name).value_or(FileKind::kTrack);
  DecodeResult<Decoded> first = decode_as(hint, bytes);
  if (std::holds_alternative<Decoded>(first)) return first;
  // Records and geometry have strict layouts; the track layout fits any
  // multiple of 15 bytes, so it is tried last.
  for (FileKind kind : {FileKind::kRecords, FileKind::kGeometry, FileKind::kTrack}) {
    if (kind == hint) continue;
    DecodeResult<Decoded> other = decode_as(kind, bytes);
    if (std::holds_alternative<Decoded>(other)) return other;
  }
  return first;
}

}  // namespace scenario::tools
