#include "bench/compile_route.h"

#include "common/file_names.h"
#include "common/replace_file.h"

namespace scenario::bench {

CompileOutcome run_route(const std::filesystem::path& folder, const RouteTexts& texts, CompilationState& s) {
  const FileNames names = file_names(folder, s.nome, s.treno);
  if (auto error = replace_file(names.linea_txt, texts.linea)) return CompileOutcome{std::move(error), {}};
  if (auto error = replace_file(names.treno_txt, texts.treno)) return CompileOutcome{std::move(error), {}};
  CompileOptions options;
  options.delete_descriptions = true;
  return compile_scenario(s, {names.linea_txt, names.treno_txt}, names, options);
}

}  // namespace scenario::bench
