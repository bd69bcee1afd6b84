// The check of a description pair: every fault in one pass and what the
// compiler accepts without a word. It runs the compilation itself in its
// diagnostic mode (the readers read on after an error and note what they
// misread), and, when that mode had to read on, the compilation proper as
// well, for the error the builder reports and where its readings stop.
// Nothing is written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/model/place.h"
#include "compiler/text/descriptions.h"

namespace scenario {

enum class Severity : uint8_t { kError, kWarning, kNote };

struct Diagnostic {
  Severity severity{};
  Place place;                     // file, line, column; no file for a fault of the whole model
  std::optional<int32_t> code;     // the error number, for errors the builder counts
  std::string_view name;           // the warning's name, or the check's own error's (kWarningNames)
  std::optional<int32_t> position; // metres
  std::optional<int64_t> cell;
  std::string message;             // one sentence, in Italian, with "errore N a P m" for errors
  bool reported = false;           // the error the builder reports (its codice_errore)
};

struct CheckResult {
  // Line description first, then train description, then the whole model;
  // each by line and column.
  std::vector<Diagnostic> diagnostics;
  // What the builder reports for this pair: " Errore n. N a P m".
  int32_t codice_errore = 0;
  int32_t posizione_errore = 0;
  int32_t fatal = 0;  // the fault that leaves nothing written (1250, 1251, or no track model)

  int count(Severity severity) const;
};

// What an author asks of the check: warnings silenced by name, and
// warnings counted as errors.
struct CheckPolicy {
  std::vector<std::string> ignore;
  bool werror = false;
};

// The names `CheckPolicy::ignore` takes: every warning's.
std::vector<std::string> warning_names();

// Drops the silenced warnings (and the notes that sum up their repeats)
// and, with `werror`, makes the others errors.
void apply_policy(CheckResult& result, const CheckPolicy& policy);

// `build_geometry`: the geometry is built, and the curve rows read, as the
// compilation checked for would.
CheckResult check_texts(const std::string& nome, const std::string& treno, const DescriptionText& linea,
                        const DescriptionText& treno_text, bool build_geometry = true);

}  // namespace scenario
