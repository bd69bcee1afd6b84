#include "compiler/output/compiled_files.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <type_traits>

namespace scenario {
namespace {

// Tags of a geometry element.
constexpr uint16_t kTagEmpty = 0;
constexpr uint16_t kTagInt16 = 2;
constexpr uint16_t kTagDouble = 5;

constexpr size_t kCellBytes = 15;
constexpr size_t kRecordBytes = 34;  // without the characters of its text

// The readers never produce a text longer than a 16-bit count can hold;
// should one appear, only its first 65 535 bytes are written, so that the
// count always matches the bytes that follow.
std::string_view countable(std::string_view text) {
  return text.substr(0, std::min<size_t>(text.size(), std::numeric_limits<uint16_t>::max()));
}

// Fills a buffer of a size known beforehand, little-endian: one allocation
// per file, whatever the size of the route.
class Bytes {
 public:
  explicit Bytes(size_t size) : out_(size, '\0'), at_(out_.data()) {}

  // An integer of any width, lowest byte first.
  template <class T>
  void put(T value) {
    static_assert(std::is_integral_v<T>);
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

  void put_double(double value) { put(std::bit_cast<uint64_t>(value)); }

  // A 16-bit count, then the bytes.
  void put_text(std::string_view text) {
    text = countable(text);
    put(static_cast<uint16_t>(text.size()));
    std::copy(text.begin(), text.end(), at_);
    at_ += text.size();
  }

  std::string take() { return std::move(out_); }

 private:
  std::string out_;
  char* at_;
};

size_t element_bytes(ElementKind kind) {
  switch (kind) {
    case ElementKind::kInt16:
      return 4;
    case ElementKind::kDouble:
      return 10;
    case ElementKind::kEmpty:
      break;
  }
  return 2;
}

size_t axis_bytes(const Asse& axis) {
  size_t n = 0;
  for (size_t i = 0; i < axis.size(); ++i) n += element_bytes(axis.kind(i));
  return n;
}

void put_axis(Bytes& out, const Asse& axis) {
  for (size_t i = 0; i < axis.size(); ++i) {
    switch (axis.kind(i)) {
      case ElementKind::kInt16:
        out.put(kTagInt16);
        out.put(static_cast<int16_t>(axis.value(i)));
        break;
      case ElementKind::kDouble:
        out.put(kTagDouble);
        out.put_double(axis.value(i));
        break;
      case ElementKind::kEmpty:
        out.put(kTagEmpty);
        break;
    }
  }
}

}  // namespace

std::string geometry_bytes(const Tracciato& tracciato) {
  Bytes out(axis_bytes(tracciato.x) + axis_bytes(tracciato.y));
  put_axis(out, tracciato.x);
  put_axis(out, tracciato.y);
  return out.take();
}

std::string records_bytes(const std::array<Record, kRecordCount>& record) {
  size_t size = 0;
  for (const Record& r : record) size += kRecordBytes + countable(r.nome_punto).size();
  Bytes out(size);
  for (const Record& r : record) {
    out.put(r.tipo_punto);
    out.put(r.inizio_zona);
    out.put(r.fine_zona);
    out.put(r.posizione_punto);
    out.put(r.dato_1);
    out.put_text(r.nome_punto);
    out.put(r.dato_4);
    out.put(r.dato_5);
    out.put(r.dato_7);
    out.put(r.dato_8);
    out.put(r.dato_9);
    out.put(r.dato_6);
    out.put(r.dato_10);
    out.put(r.allungamento);
    out.put(r.dato_2);
    out.put(r.orario);
  }
  return out.take();
}

std::string track_bytes(const std::vector<Cella>& celle) {
  Bytes out(celle.size() * kCellBytes);
  for (const Cella& c : celle) {
    out.put(c.oggetto);
    out.put(c.valore1);
    out.put(c.valore2);
    out.put(c.valore3);
    out.put(c.valore4);
    out.put(c.tempo_segnale);
    out.put(c.preavviso);
    out.put(c.montagna);
    out.put(c.velocita);
    out.put(c.pendenza);
    out.put(c.dato_treno);
  }
  return out.take();
}

std::optional<IoError> write_compiled_files(const Stato& stato, const FileNames& names) {
  const Modello& m = stato.modello;
  if (stato.scrivi_linea != 0) {
    if (auto err = replace_file(names.linea_dat, geometry_bytes(m.tracciato))) return err;
  }
  if (auto err = replace_file(names.sim, records_bytes(m.record))) return err;
  return replace_file(names.dat, track_bytes(m.celle));
}

}  // namespace scenario
