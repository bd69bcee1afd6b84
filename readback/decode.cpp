#include "readback/decode.h"

#include <bit>
#include <cctype>
#include <cstdint>
#include <utility>

#include "compiler/output/layouts.h"

namespace scenario {
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
  // An integer of the member's width; the caller has checked that it is there.
  template <class T>
    requires std::is_integral_v<T>
  void get(T& value) {
    value = static_cast<T>(static_cast<std::make_unsigned_t<T>>(unsigned_le(sizeof(T))));
  }
  void get(double& value) { value = std::bit_cast<double>(unsigned_le(sizeof(double))); }
  uint16_t u16() {
    uint16_t v = 0;
    get(v);
    return v;
  }
  std::string text(size_t n) {
    std::string s(bytes_.substr(pos_, n));
    pos_ += n;
    return s;
  }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

using layout::kCellBytes;
using layout::kRecordBytes;

// The bytes of a record before its text's count.
constexpr size_t kBytesBeforeText = [] {
  size_t n = 0;
  bool before = true;
  layout::record_members([&](auto member) {
    if constexpr (std::is_same_v<decltype(member), std::string Record::*>) before = false;
    if (before) n += layout::member_bytes(member);
  });
  return n;
}();

DecodeError truncated(const ByteCursor& c, const char* what) { return DecodeError{what, c.offset()}; }

}  // namespace

DecodeResult<DecodedTrack> decode_track(std::string_view bytes) {
  if (bytes.empty()) return DecodeError{"il file è vuoto", 0};
  if (bytes.size() % kCellBytes != 0)
    return DecodeError{"la lunghezza non è un multiplo di " + std::to_string(kCellBytes) +
                           " byte, la misura di una cella del tracciato",
                       bytes.size() - bytes.size() % kCellBytes};
  DecodedTrack t;
  t.celle.resize(bytes.size() / kCellBytes);
  ByteCursor c(bytes);
  for (Cella& cell : t.celle) {
    layout::cell_members([&](auto member) { c.get(cell.*member); });
  }
  return t;
}

DecodeResult<DecodedRecords> decode_records(std::string_view bytes) {
  DecodedRecords d;
  ByteCursor c(bytes);
  for (Record& r : d.record) {
    // The members before the text and its count, the text, then the rest.
    if (!c.has(kBytesBeforeText + sizeof(uint16_t))) return truncated(c, "record troncato");
    std::optional<DecodeError> error;
    layout::record_members([&](auto member) {
      if (error) return;
      if constexpr (std::is_same_v<decltype(member), std::string Record::*>) {
        const uint16_t n = c.u16();
        if (!c.has(n)) {
          error = DecodeError{"la lunghezza del testo del record va oltre la fine del file",
                              c.offset() - sizeof(uint16_t)};
          return;
        }
        r.*member = c.text(n);
        if (!c.has(kRecordBytes - kBytesBeforeText - sizeof(uint16_t))) error = truncated(c, "record troncato");
      } else {
        c.get(r.*member);
      }
    });
    if (error) return *error;
  }
  if (!c.at_end())
    return DecodeError{"byte in più dopo l'ultimo dei " + std::to_string(kRecordCount) + " record", c.offset()};
  return d;
}

namespace {

// One element: its tag, then the value the tag announces.
std::optional<DecodeError> next_element(ByteCursor& c, ElementKind& kind, double& value) {
  if (!c.has(sizeof(uint16_t))) return truncated(c, "etichetta di un elemento della geometria troncata");
  const size_t at = c.offset();
  switch (static_cast<layout::GeometryTag>(c.u16())) {
    case layout::GeometryTag::kEmpty:
      kind = ElementKind::kEmpty;
      return std::nullopt;
    case layout::GeometryTag::kInt16: {
      if (!c.has(sizeof(int16_t))) return truncated(c, "elemento a 16 bit troncato");
      int16_t v = 0;
      c.get(v);
      kind = ElementKind::kInt16;
      value = v;
      return std::nullopt;
    }
    case layout::GeometryTag::kDouble:
      if (!c.has(sizeof(double))) return truncated(c, "elemento double troncato");
      c.get(value);
      kind = ElementKind::kDouble;
      return std::nullopt;
  }
  return DecodeError{"etichetta sconosciuta di un elemento della geometria", at};
}

}  // namespace

DecodeResult<DecodedGeometry> decode_geometry(std::string_view bytes) {
  // A first pass counts and checks the elements, a second stores them: the
  // first half are the x values.
  size_t count = 0;
  ElementKind kind{};
  double value = 0;
  for (ByteCursor c(bytes); !c.at_end(); ++count) {
    if (auto error = next_element(c, kind, value)) return *error;
  }
  if (count == 0 || count % 2 != 0)
    return DecodeError{"la geometria deve avere tanti elementi x quanti y, almeno uno per asse", bytes.size()};
  DecodedGeometry g{GeometryAxis(count / 2), GeometryAxis(count / 2)};
  ByteCursor c(bytes);
  for (GeometryAxis* axis : {&g.x, &g.y}) {
    for (size_t i = 0; i < count / 2; ++i) {
      next_element(c, kind, value);
      if (kind == ElementKind::kInt16) axis->set(i, static_cast<int16_t>(value));
      if (kind == ElementKind::kDouble) axis->set(i, value);
    }
  }
  return g;
}

std::optional<double> element_value(const GeometryElement& e) {
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

std::optional<TextKind> text_kind(std::string_view bytes) {
  if (bytes.empty()) return std::nullopt;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F) return std::nullopt;
  }
  std::string lower(bytes);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.find("[generale]") != std::string::npos || lower.find(',') != std::string::npos)
    return TextKind::kDescription;
  return TextKind::kOther;
}

}  // namespace scenario
