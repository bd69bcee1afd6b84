#include "fuzz/model_checks.h"

#include <cmath>
#include <variant>
#include <vector>

#include "compiler/model/numbers.h"
#include "fuzz/check.h"

namespace scenario::fuzz {
namespace {

// Points 0 and 1 are 16-bit integers, then come the computed doubles, then
// the points never reached; x and y are assigned together.
void check_geometry(const Geometry& t, int32_t lunghezza_totale) {
  FUZZ_CHECK(t.x.size() == static_cast<size_t>(lunghezza_totale) + 1);
  FUZZ_CHECK(t.y.size() == t.x.size());
  bool reached_end = false;
  for (size_t i = 0; i < t.x.size(); ++i) {
    const GeometryElement& x = t.x[i];
    const GeometryElement& y = t.y[i];
    FUZZ_CHECK(x.index() == y.index());
    if (std::holds_alternative<std::monostate>(x)) {
      reached_end = true;
      continue;
    }
    FUZZ_CHECK(!reached_end);
    if (i < 2) {
      FUZZ_CHECK(std::holds_alternative<int16_t>(x));
    } else {
      FUZZ_CHECK(std::holds_alternative<double>(x));
      FUZZ_CHECK(std::isfinite(std::get<double>(x)) && std::isfinite(std::get<double>(y)));
    }
  }
}

}  // namespace

std::vector<size_t> line_lengths(std::string_view text) {
  std::vector<size_t> lengths{0};
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lengths.push_back(0);
    } else {
      ++lengths.back();
    }
  }
  return lengths;
}

void check_place(const Place& p, const std::vector<size_t>& linea, const std::vector<size_t>& treno) {
  if (p.file == Description::kNone) {
    FUZZ_CHECK(p.line == 0);
    return;
  }
  const std::vector<size_t>& lines = p.file == Description::kLine ? linea : treno;
  FUZZ_CHECK(p.line >= 0 && static_cast<size_t>(p.line) <= lines.size());
  if (p.line == 0) return;
  FUZZ_CHECK(p.column >= 1 && static_cast<size_t>(p.column) <= lines[static_cast<size_t>(p.line) - 1] + 1);
}

void check_places(const CompilationState& s, const Texts& texts) {
  const auto linea = line_lengths(texts.linea);
  const auto treno = line_lengths(texts.treno);
  for (const RaisedError& e : s.errors.all()) check_place(e.place, linea, treno);
  for (const Place& p : s.origins.cella) check_place(p, linea, treno);
  for (const Place& p : s.origins.record) check_place(p, linea, treno);
}

void check_model(const CompilationState& s) {
  const TrackModel& m = s.model;
  FUZZ_CHECK(m.next_sign_slot >= -1 && m.next_sign_slot <= 80);
  FUZZ_CHECK(m.mountain_count >= 0 && m.mountain_count < kMountainSlots);
  if (m.celle.empty()) {
    FUZZ_CHECK(!m.geometry.exists());
    return;
  }
  // A second route length that is refused (error 1, or 25 when negative) is
  // kept in record 84 but leaves the model of the first one.
  if (s.codice_errore() != 1 && s.codice_errore() != 25) {
    FUZZ_CHECK(m.lunghezza_totale == m.record[84].fine_zona + kModelExtension);
  }
  FUZZ_CHECK(m.lunghezza_totale >= kModelExtension && m.lunghezza_totale <= kMaxRouteLength + kModelExtension);
  FUZZ_CHECK(m.last_cell == static_cast<int32_t>(nearest_even(m.lunghezza_totale / 50.0)));
  FUZZ_CHECK(m.celle.size() == static_cast<size_t>(m.last_cell) + 1);
  if (s.build_geometry) {
    check_geometry(m.geometry, m.lunghezza_totale);
  } else {
    FUZZ_CHECK(!m.geometry.exists());
  }
  // Cell 1 is left out: once the header is stamped its valore1 holds a
  // header value whatever object stands there.
  for (size_t i = 0; i < m.celle.size(); ++i) {
    const Cella& c = m.celle[i];
    if (i != 1 && c.oggetto == kDirectionSign) FUZZ_CHECK(c.valore1 > m.next_sign_slot && c.valore1 <= 80);
  }
}

}  // namespace scenario::fuzz
