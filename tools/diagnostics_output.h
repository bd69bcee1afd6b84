// How `scenario check` and `scenario compile` print a check: one line per
// diagnostic in the form editors' compiler problem matchers read,
//   FILE:LINE:COLUMN: error: errore N a P m: ...
//   FILE:LINE:COLUMN: warning: ... [nome-avviso]
//   FILE:LINE:COLUMN: note: ...
//   FILE: error: errore N: ...          (a fault of the whole file)
//   scenario: error: errore 1250: ...   (a fault of the whole model)
// or one JSON document with every diagnostic's fields.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "compiler/output/check.h"
#include "compiler/text/descriptions.h"

namespace scenario::tools {

// Version of the JSON document's shape.
inline constexpr int kCheckFormat = 1;

void print_diagnostics(const CheckResult& check, const DescriptionFiles& files, std::ostream& out);

// "2 errori, 1 avviso; il costruttore riporta:  Errore n. 16 a 1550 m".
std::string check_summary(const CheckResult& check);

// The diagnostics as the route page and `check --json` give them: items of
// severity, file, line, column, code (the error number, or the warning's
// name), position, cell, message, reported.
nlohmann::ordered_json diagnostics_json(const CheckResult& check, const DescriptionFiles& files);

// The whole document of `check --json`.
nlohmann::ordered_json check_json(const CheckResult& check, const DescriptionFiles& files);

}  // namespace scenario::tools
