#include "tools/route_in_memory.h"

#include "compiler/output/compile.h"
#include "tools/diagnostics_output.h"

namespace scenario::tools {

std::optional<RouteInMemory> route_in_memory(const std::string& nome, const std::string& treno,
                                             const DescriptionFiles& files, std::ostream& err) {
  const DescriptionText linea = load_description(files.linea);
  const DescriptionText treno_text = load_description(files.treno);
  const CheckResult check = check_texts(nome, treno, linea, treno_text, false);
  if (check.fatal != 0 || check.count(Severity::kError) > 0) {
    print_diagnostics(check, files, err);
    err << check_summary(check) << "\n";
    return std::nullopt;
  }
  CompilationState s;
  s.nome = nome;
  s.treno = treno;
  compile_texts(s, linea, treno_text, {.build_geometry = false});
  RouteInMemory route;
  route.records.record = std::move(s.model.record);
  route.track.celle = std::move(s.model.celle);
  return route;
}

}  // namespace scenario::tools
