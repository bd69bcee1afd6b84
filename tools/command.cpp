#include "tools/command.h"

#include <CLI/CLI.hpp>

namespace scenario::tools {

void add_scenario_arguments(CLI::App* command, std::string& nome, std::string& treno, std::filesystem::path& dir,
                            const char* dir_help) {
  command->add_option("NOME", nome, "nome dello scenario")->required();
  command->add_option("TRENO", treno, "numero del treno")->required();
  command->add_option("--dir", dir, dir_help);
}

void add_policy_options(CLI::App* command, CheckPolicy& policy) {
  command
      ->add_option("--ignore", policy.ignore,
                   "non mostra gli avvisi di questo nome (il nome è tra [] in fondo all'avviso); ripetibile")
      ->check(CLI::IsMember(warning_names()))
      ->option_text("NOME");
  command->add_flag("--werror", policy.werror, "gli avvisi contano come errori");
}

}  // namespace scenario::tools
