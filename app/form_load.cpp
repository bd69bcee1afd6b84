#include "app/form_load.h"

#include "common/builtin_scenario.h"
#include "common/file_names.h"
#include "writers/dati_linea.h"
#include "writers/dati_note.h"
#include "writers/dati_rallentamenti.h"
#include "writers/dati_scheda.h"
#include "writers/dati_treno.h"

namespace scenario {

CompileOutcome form_load(const std::filesystem::path& folder, CompilationState& state) {
  state.nome = kScenarioName;
  state.treno = kTrainNumber;
  const FileNames names = file_names(folder, state.nome, state.treno);

  // The source texts, in the fixed order: the two descriptions must exist
  // before the compilation reads them back.
  using Writer = std::optional<IoError> (*)(const FileNames&);
  for (const Writer write : {dati_linea, dati_treno, dati_note, dati_rallentamenti, dati_scheda}) {
    if (auto error = write(names)) return CompileOutcome{std::move(error), {}};
  }

  CompileOptions options;
  options.build_geometry = true;
  options.delete_descriptions = true;
  return compile_scenario(state, {names.linea_txt, names.treno_txt}, names, options);
}

}  // namespace scenario
