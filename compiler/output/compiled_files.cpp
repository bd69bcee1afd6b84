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

// Fills a buffer of a size known beforehand, little-endian.
class Bytes {
 public:
  Bytes(std::string& out, size_t size) : out_(out) {
    out_.resize(size);
    at_ = out_.data();
  }

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

 private:
  std::string& out_;
  char* at_ = nullptr;
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

// Elements of one axis from `first` up to (not including) `end`.
size_t axis_bytes(const Asse& axis, size_t first, size_t end) {
  size_t n = 0;
  for (size_t i = first; i < end; ++i) n += element_bytes(axis.kind(i));
  return n;
}

void put_axis(std::string& out, const Asse& axis, size_t first, size_t end) {
  Bytes bytes(out, axis_bytes(axis, first, end));
  for (size_t i = first; i < end; ++i) {
    switch (axis.kind(i)) {
      case ElementKind::kInt16:
        bytes.put(kTagInt16);
        bytes.put(static_cast<int16_t>(axis.value(i)));
        break;
      case ElementKind::kDouble:
        bytes.put(kTagDouble);
        bytes.put_double(axis.value(i));
        break;
      case ElementKind::kEmpty:
        bytes.put(kTagEmpty);
        break;
    }
  }
}

// Elements a geometry piece holds: at most 640 KiB of bytes.
constexpr size_t kPieceElements = 64 * 1024;

}  // namespace

std::string geometry_bytes(const Tracciato& tracciato) {
  std::string out;
  out.reserve(axis_bytes(tracciato.x, 0, tracciato.x.size()) + axis_bytes(tracciato.y, 0, tracciato.y.size()));
  geometry_pieces(tracciato, [&out](std::string_view piece) { out.append(piece); });
  return out;
}

void geometry_pieces(const Tracciato& tracciato, const std::function<void(std::string_view)>& piece) {
  std::string buffer;
  for (const Asse* axis : {&tracciato.x, &tracciato.y}) {
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
  return file;
}

std::string track_bytes(const std::vector<Cella>& celle) {
  std::string file;
  Bytes out(file, celle.size() * kCellBytes);
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
  return file;
}

std::optional<IoError> write_compiled_files(const Stato& stato, const FileNames& names) {
  const Modello& m = stato.modello;
  if (stato.scrivi_linea != 0) {
    FileReplacement geometry(names.linea_dat);
    geometry_pieces(m.tracciato, [&geometry](std::string_view piece) { geometry.write(piece); });
    if (auto err = geometry.commit()) return err;
  }
  if (auto err = replace_file(names.sim, records_bytes(m.record))) return err;
  return replace_file(names.dat, track_bytes(m.celle));
}

}  // namespace scenario
