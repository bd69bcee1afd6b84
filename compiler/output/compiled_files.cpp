#include "compiler/output/compiled_files.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

namespace scenario {
namespace {

// Tags of a geometry element.
constexpr uint16_t kTagEmpty = 0;
constexpr uint16_t kTagInt16 = 2;
constexpr uint16_t kTagDouble = 5;

// Appends an integer of any width, lowest byte first (one append per value:
// the geometry alone holds some two hundred thousand of them).
template <class T>
void put(std::string& out, T value) {
  static_assert(std::is_integral_v<T>);
  auto bits = static_cast<std::make_unsigned_t<T>>(value);
  char bytes[sizeof(T)];
  for (char& b : bytes) {
    b = static_cast<char>(bits & 0xFF);
    bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
  }
  out.append(bytes, sizeof(T));
}

void put_double(std::string& out, double value) { put(out, std::bit_cast<uint64_t>(value)); }

// A 16-bit count, then the bytes. The readers never produce a text longer
// than a count can hold; should one appear, only its first 65 535 bytes are
// written, so that the count always matches the bytes that follow.
void put_text(std::string& out, std::string_view text) {
  const size_t n = std::min<size_t>(text.size(), std::numeric_limits<uint16_t>::max());
  put(out, static_cast<uint16_t>(n));
  out.append(text.substr(0, n));
}

void put_element(std::string& out, const Elemento& e) {
  if (const auto* i = std::get_if<int16_t>(&e)) {
    put(out, kTagInt16);
    put(out, *i);
  } else if (const auto* d = std::get_if<double>(&e)) {
    put(out, kTagDouble);
    put_double(out, *d);
  } else {
    put(out, kTagEmpty);
  }
}

}  // namespace

std::string geometry_bytes(const Tracciato& tracciato) {
  std::string out;
  out.reserve(10 * (tracciato.x.size() + tracciato.y.size()));  // at most a tag and a double each
  for (const Elemento& e : tracciato.x) put_element(out, e);
  for (const Elemento& e : tracciato.y) put_element(out, e);
  return out;
}

std::string records_bytes(const std::array<Record, kRecordCount>& record) {
  std::string out;
  for (const Record& r : record) {
    put(out, r.tipo_punto);
    put(out, r.inizio_zona);
    put(out, r.fine_zona);
    put(out, r.posizione_punto);
    put(out, r.dato_1);
    put_text(out, r.nome_punto);
    put(out, r.dato_4);
    put(out, r.dato_5);
    put(out, r.dato_7);
    put(out, r.dato_8);
    put(out, r.dato_9);
    put(out, r.dato_6);
    put(out, r.dato_10);
    put(out, r.allungamento);
    put(out, r.dato_2);
    put(out, r.orario);
  }
  return out;
}

std::string track_bytes(const std::vector<Cella>& celle) {
  std::string out;
  out.reserve(celle.size() * 15);
  for (const Cella& c : celle) {
    put(out, c.oggetto);
    put(out, c.valore1);
    put(out, c.valore2);
    put(out, c.valore3);
    put(out, c.valore4);
    put(out, c.tempo_segnale);
    put(out, c.preavviso);
    put(out, c.montagna);
    put(out, c.velocita);
    put(out, c.pendenza);
    put(out, c.dato_treno);
  }
  return out;
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
