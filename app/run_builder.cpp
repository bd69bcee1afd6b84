#include "app/run_builder.h"

#include "common/builtin_scenario.h"
#include "common/file_names.h"
#include "writers/line_description.h"
#include "writers/line_notes.h"
#include "writers/slowdown_order.h"
#include "writers/train_card.h"
#include "writers/train_description.h"

namespace scenario {

CompileOutcome run_builder(const std::filesystem::path& folder, CompilationState& state) {
  state.nome = kScenarioName;
  state.treno = kTrainNumber;
  const FileNames names = file_names(folder, state.nome, state.treno);

  // The source texts, in the fixed order: the two descriptions must exist
  // before the compilation reads them back.
  using Writer = std::optional<IoError> (*)(const FileNames&);
  for (const Writer write : {write_line_description, write_train_description, write_line_notes,
                             write_slowdown_order, write_train_card}) {
    if (auto error = write(names)) return CompileOutcome{std::move(error), {}};
  }

  CompileOptions options;
  options.build_geometry = true;
  options.delete_descriptions = true;
  return compile_scenario(state, {names.linea_txt, names.treno_txt}, names, options);
}

}  // namespace scenario
