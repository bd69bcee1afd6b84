#include "tools/new/new_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include <string_view>
#include <system_error>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "common/exit_status.h"
#include "tools/name_check.h"
#include "tools/new/starter_texts.h"

namespace scenario::tools {
namespace {

constexpr const char* kCommand = "scenario new";

// The embedded text with CR LF line ends, whatever ends the repository's
// copy had.
std::string with_crlf(std::string_view lines) {
  std::string text;
  text.reserve(lines.size() + lines.size() / 16);
  for (const char c : lines) {
    if (c == '\r') continue;
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

}  // namespace

std::string starter_line_description() { return with_crlf(kStarterLinea); }

std::string starter_train_description() { return with_crlf(kStarterTreno); }

int run_new(const NewArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, kCommand, err)) return tool_exit::kIoOrUsage;
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const struct {
    const std::filesystem::path& path;
    std::string text;
  } files[] = {{names.linea_txt, starter_line_description()},
               {names.treno_txt, starter_train_description()}};

  // An author's description is never replaced: refuse before writing either.
  bool taken = false;
  for (const auto& f : files) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(f.path, ec))) {
      err << kCommand << ": " << f.path.string() << " esiste già\n";
      taken = true;
    }
  }
  if (taken) {
    err << kCommand << ": nessun file scritto\n";
    return tool_exit::kIoOrUsage;
  }

  std::error_code ec;
  std::filesystem::create_directories(o.dir, ec);
  if (ec) {
    err << kCommand << ": " << o.dir.string() << ": " << ec.message() << "\n";
    return tool_exit::kIoOrUsage;
  }
  for (const auto& f : files) {
    if (const auto failure = replace_file(f.path, f.text)) {
      err << kCommand << ": " << failure->file.string() << ": " << failure->reason << "\n";
      // Leave the pair whole or absent: a lone line description would make
      // the next `scenario new` refuse.
      if (&f != &files[0]) std::filesystem::remove(files[0].path, ec);
      return tool_exit::kIoOrUsage;
    }
    out << "scritto " << f.path.string() << "\n";
  }
  out << "per compilare: scenario compile " << o.nome << " " << o.treno << " --dir " << o.dir.string()
      << "\n";
  return tool_exit::kOk;
}

Command add_new_command(CLI::App& program) {
  auto args = std::make_shared<NewArgs>();
  CLI::App* command = program.add_subcommand(
      "new", "Scrive una coppia di descrizioni di partenza, NOME_linea.txt e NOME_TRENO-.txt, "
             "che si compila senza errori; non sostituisce mai un file esistente");
  add_scenario_arguments(command, args->nome, args->treno, args->dir,
                         "cartella delle descrizioni, creata se manca (predefinita: .)");
  return {command, [args](std::ostream& out, std::ostream& err) { return run_new(*args, out, err); }};
}

}  // namespace scenario::tools
