#include "tools/sheets/sheets_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include "common/exit_status.h"
#include "common/file_names.h"
#include "common/replace_file.h"
#include "sheets/sheet_route.h"
#include "sheets/sheet_text.h"
#include "sheets/slowdown_order_sheet.h"
#include "sheets/station_times.h"
#include "sheets/train_card_sheet.h"
#include "timetable/running_time.h"
#include "tools/name_check.h"
#include "tools/route_in_memory.h"

namespace scenario::tools {
namespace {

constexpr const char* kCommand = "scenario sheets";

void print_warnings(const SheetWarnings& warnings, std::ostream& err) {
  for (const std::string& w : warnings) err << kCommand << ": avviso: " << w << "\n";
}

}  // namespace

int run_sheets(const SheetsArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, kCommand, err)) return tool_exit::kIoOrUsage;
  CardLabels labels;
  for (const auto& [option, typed, label] :
       {std::tuple{"--speed-category", &o.speed_category, &labels.speed_category},
        std::tuple{"--classification", &o.classification, &labels.classification},
        std::tuple{"--braked-mass", &o.braked_mass, &labels.braked_mass}}) {
    const auto text = windows1252_from_utf8(*typed);
    if (!text) {
      err << kCommand << ": " << option << ": il testo ha caratteri che le schede (Windows-1252) non possono "
          << "scrivere\n";
      return tool_exit::kIoOrUsage;
    }
    *label = *text;
  }

  // The descriptions are read where they are, checked as `scenario check`
  // checks them, and compiled in memory: nothing compiled is written.
  const FileNames sources = file_names(o.dir, o.nome, o.treno);
  const auto route = route_in_memory(o.nome, o.treno, {sources.linea_txt, sources.treno_txt}, err);
  if (!route) {
    err << "nessuna scheda scritta\n";
    return tool_exit::kData;
  }
  // The train number as the title writes it; a number typed in another code
  // page is written as it stands.
  const SheetRoute sheet_data =
      sheet_route(route->records, route->track, windows1252_from_utf8(o.treno).value_or(o.treno));

  std::vector<SheetTime> times;
  const int stations = static_cast<int>(sheet_data.stations.size());
  if (const auto run = estimate_run(route->track.celle, route->records.record, stations, {})) {
    times = estimated_times(run->stations);
  } else {
    times = given_times(sheet_data.stations);
    err << kCommand << ": avviso: nessuna stima della marcia per questo percorso: la scheda treno porta solo gli "
        << "orari della descrizione del treno\n";
  }

  const SheetText card = train_card(sheet_data, times, labels);
  const SheetText order = slowdown_order(sheet_data);
  print_warnings(card.warnings, err);
  print_warnings(order.warnings, err);

  const std::filesystem::path out_dir = o.out.empty() ? o.dir : o.out;
  std::error_code ec;
  std::filesystem::create_directories(out_dir, ec);
  if (ec) {
    err << kCommand << ": " << out_dir.string() << ": " << ec.message() << "\n";
    return tool_exit::kIoOrUsage;
  }
  const FileNames target = file_names(out_dir, o.nome, o.treno);
  for (const auto& [path, sheet] :
       {std::pair{&target.scheda_txt, &card}, std::pair{&target.rallentamenti_txt, &order}}) {
    if (const auto failure = replace_file(*path, sheet->bytes)) {
      err << kCommand << ": " << failure->file.string() << ": " << failure->reason << "\n";
      return tool_exit::kIoOrUsage;
    }
    out << "scritto " << path->string() << "\n";
  }
  return tool_exit::kOk;
}

Command add_sheets_command(CLI::App& program) {
  auto args = std::make_shared<SheetsArgs>();
  CLI::App* command = program.add_subcommand(
      "sheets", "Scrive la scheda treno e l'ordine di rallentamento del percorso, calcolati dalle descrizioni "
                "NOME_linea.txt e NOME_TRENO-.txt");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella delle descrizioni (predefinita: .)");
  command->add_option("--out", args->out, "cartella delle schede, creata se manca (predefinita: --dir)");
  command->add_option("--speed-category", args->speed_category,
                      "categoria di velocità nel riquadro a destra della scheda treno, per esempio «V160 B»");
  command->add_option("--classification", args->classification,
                      "testo del riquadro CLASSIFICAZIONE della scheda treno, per esempio «EXP»");
  command->add_option("--braked-mass", args->braked_mass,
                      "testo del riquadro MASSA BLOCCATA della scheda treno, per esempio «700T»");
  return {command, [args](std::ostream& out, std::ostream& err) { return run_sheets(*args, out, err); }};
}

}  // namespace scenario::tools
