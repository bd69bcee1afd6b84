// Fuzz target: the check of a description pair, from one input split at its
// first NUL byte into a line description and a train description. A long
// route is checked, and a route built with its geometry, for the inputs
// fuzz/sampling.h picks. Reading on after a fault is where readers loop or
// crash. Beyond not crashing: the check ends, every diagnostic points inside
// the text it names, and an input the compiler records an error for gets at
// least one error diagnostic.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/windows1252.h"
#include "compiler/line/line_reader.h"
#include "compiler/output/check.h"
#include "compiler/output/compile.h"
#include "fuzz/check.h"
#include "fuzz/model_checks.h"
#include "fuzz/sampling.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace scenario;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string linea(input.substr(0, split));
  const std::string treno(split == std::string_view::npos ? std::string_view{} : input.substr(split + 1));

  const DescriptionText linea_text = DescriptionText::of(linea);
  const DescriptionText treno_text = DescriptionText::of(treno);
  // A check compiles the route two or three times over: long routes are
  // checked now and then, and otherwise only their line description is read.
  // A line description that gives no model is checked over a stand-in of
  // the longest route: sampled as that.
  CompilationState probe;
  probe.build_geometry = false;
  read_line(probe, linea_text);
  const bool stand_in = probe.model.celle.empty();
  const int32_t metres = stand_in ? kMaxRouteLength + kModelExtension : probe.model.lunghezza_totale;
  if (!fuzz::sampled(input, metres / kCellMetres, fuzz::kCheckedCells)) return 0;
  const bool geometry = fuzz::with_geometry(input, metres, fuzz::kCheckedPoints);

  CompilationState s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  compile_texts(s, linea_text, treno_text, {.build_geometry = geometry});

  const CheckResult check = check_texts("Montebrisca_Lurna", "7395", linea_text, treno_text, geometry);
  const auto linea_lines = fuzz::line_lengths(linea);
  const auto treno_lines = fuzz::line_lengths(treno);
  for (const Diagnostic& d : check.diagnostics) {
    fuzz::check_place(d.place, linea_lines, treno_lines);
    FUZZ_CHECK(!d.message.empty());
    // What editors and JSON read: UTF-8, and no ASCII double quote, which
    // editors' error formats take for a file name's.
    FUZZ_CHECK(is_utf8(d.message) && d.message.find('"') == std::string::npos);
  }
  FUZZ_CHECK(check.codice_errore == s.codice_errore() && check.posizione_errore == s.posizione_errore());
  FUZZ_CHECK(check.fatal == fatal_error(s));
  if (!s.errors.empty()) FUZZ_CHECK(check.count(Severity::kError) > 0);
  return 0;
}
