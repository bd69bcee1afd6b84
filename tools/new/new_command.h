// `scenario new`: writes a small starter pair of descriptions that compiles
// cleanly, for an author to grow into a route. The texts are
// tools/new/starter/linea.txt and tools/new/starter/treno.txt, embedded at build time.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "tools/command.h"

namespace scenario::tools {

struct NewArgs {
  std::string nome;
  std::string treno;
  std::filesystem::path dir = ".";
};

// The starter texts as written: every line ended by CR LF.
std::string starter_line_description();
std::string starter_train_description();

// Writes DIR/NOME_linea.txt and DIR/NOME_TRENO-.txt, creating DIR when it is
// missing. Writes nothing when either file already exists (exit status 1).
int run_new(const NewArgs& options, std::ostream& out, std::ostream& err);

Command add_new_command(CLI::App& program);

}  // namespace scenario::tools
