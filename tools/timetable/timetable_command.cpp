#include "tools/timetable/timetable_command.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/exit_status.h"
#include "common/file_names.h"
#include "readback/compiled_route.h"
#include "readback/line_kilometre.h"
#include "tools/json_text.h"
#include "tools/name_check.h"
#include "tools/route_in_memory.h"
#include "tools/text.h"

namespace scenario::tools {
namespace {

constexpr const char* kCommand = "scenario timetable";
constexpr int kFormat = 1;  // version of the JSON document's shape

std::string fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// "+8 min 25 s", "-1 min 3 s": the margin in whole seconds, rounded towards
// the late side so that a time the estimate misses never reads as kept.
std::string margin_text(double seconds) {
  const double whole = std::floor(seconds);
  return (whole < 0 ? "-" : "+") + duration_text(std::fabs(whole));
}

// A UTF-8 text padded on the right to `width` letters, and one space at least.
std::string padded(const std::string& utf8, size_t width) {
  const size_t letters = utf8_letters(utf8);
  return utf8 + std::string(letters < width ? width - letters : 1, ' ');
}

std::string parameters_text(const UsedParameters& p, const DecodedRecords& records) {
  const int32_t braked = records.record[kTrainDataSlot].inizio_zona;
  return "treno: accelerazione " + fixed(p.acceleration, 2) + " m/s², frenatura " + fixed(p.braking, 2) +
         " m/s²" + (braked > 0 ? " (massa frenata " + std::to_string(braked) + " %)" : "") + ", sosta " +
         fixed(p.dwell, 0) + " s, lunghezza " + fixed(p.length, 0) + " m";
}

std::optional<int64_t> station_line_metre(const std::vector<KilometreStretch>& kilometre, const DecodedRecords& records,
                                          const StationTime& s) {
  return line_metre(kilometre, records.record[static_cast<size_t>(s.slot)].posizione_punto);
}

void print_text(const RunEstimate& run, const DecodedRecords& records, std::ostream& out) {
  const auto kilometre = kilometre_stretches(records);
  out << "Stima dei tempi di percorrenza: la corsa più rapida che i limiti permettono, non la fisica del "
         "simulatore.\n"
      << parameters_text(run.used, records) << "\n\n"
      << padded("stazione", 20) << padded("km", 10) << padded("arrivo", 10) << padded("partenza", 10)
      << padded("orario", 10) << "margine\n";
  for (size_t k = 0; k < run.stations.size(); ++k) {
    const StationTime& s = run.stations[k];
    const bool first = k == 0, last = k + 1 == run.stations.size();
    const auto km = station_line_metre(kilometre, records, s);
    std::string line = padded(s.name, 20) + padded(km ? fixed(double(*km) / 1000, 3) : "-", 10) +
                       padded(first ? "" : clock_text(s.arrival), 10) +
                       padded(last ? "" : s.stops ? clock_text(s.departure) : "transito", 10) +
                       padded(s.given ? clock_text(*s.given) : "", 10);
    if (s.margin) line += margin_text(*s.margin) + (*s.margin < 0 ? " (l'orario non si può tenere)" : "");
    out << line.erase(line.find_last_not_of(' ') + 1) << "\n";
  }
  const double total = run.stations.back().arrival - run.stations.front().departure;
  out << "\ncorsa: " << clock_text(run.stations.front().departure) << " - " << clock_text(run.stations.back().arrival)
      << ", " << fixed(total / 60, 1) << " min\n";
}

nlohmann::ordered_json timetable_json(const RunEstimate& run, const DecodedRecords& records) {
  const auto kilometre = kilometre_stretches(records);
  nlohmann::ordered_json doc;
  doc["format"] = kFormat;
  doc["parameters"] = {{"acceleration", run.used.acceleration},
                       {"braking", run.used.braking},
                       {"dwell", run.used.dwell},
                       {"length", run.used.length}};
  nlohmann::ordered_json stations = nlohmann::ordered_json::array();
  for (const StationTime& s : run.stations) {
    const auto km = station_line_metre(kilometre, records, s);
    stations.push_back({{"name", s.name},
                        {"position", records.record[static_cast<size_t>(s.slot)].posizione_punto},
                        {"line_metre", km ? nlohmann::ordered_json(*km) : nlohmann::ordered_json()},
                        {"stops", s.stops},
                        {"given", s.given ? nlohmann::ordered_json(*s.given) : nlohmann::ordered_json()},
                        {"arrival", s.arrival},
                        {"departure", s.departure},
                        {"margin", s.margin ? nlohmann::ordered_json(*s.margin) : nlohmann::ordered_json()}});
  }
  doc["stations"] = std::move(stations);
  return doc;
}

}  // namespace

int run_timetable(const TimetableArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, kCommand, err)) return tool_exit::kIoOrUsage;
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const auto route = route_in_memory(o.nome, o.treno, {names.linea_txt, names.treno_txt}, err);
  if (!route) return tool_exit::kData;
  const auto stations = static_cast<int>(compiled_route(&route->records, route->track).stations.size());
  const auto run = estimate_run(route->track.celle, route->records.record, stations, o.train);
  if (!run) {
    err << kCommand << ": la descrizione del treno non dà due stazioni tra cui correre\n";
    return tool_exit::kData;
  }
  for (const std::string& name : o.train.extra_stops) {
    if (std::none_of(run->stations.begin(), run->stations.end(), [&](const StationTime& s) { return s.name == name; }))
      err << kCommand << ": --stop: nessuna stazione si chiama «" << name << "»\n";
  }
  if (o.json)
    out << json_text(timetable_json(*run, route->records), 2) << "\n";
  else
    print_text(*run, route->records, out);
  return tool_exit::kOk;
}

// A number, and a finite one: a range alone lets "nan" through.
const CLI::Validator kFinite(
    [](std::string& text) {
      char* end = nullptr;
      const double value = std::strtod(text.c_str(), &end);
      return std::isfinite(value) && end != text.c_str() && *end == '\0' ? std::string()
                                                                           : "«" + text + "» non è un numero";
    },
    "NUMERO");

Command add_timetable_command(CLI::App& program) {
  auto args = std::make_shared<TimetableArgs>();
  CLI::App* command = program.add_subcommand(
      "timetable", "Stima la corsa più rapida del treno: arrivi e partenze per stazione, accanto all'orario scritto");
  add_scenario_arguments(command, args->nome, args->treno, args->dir, "cartella delle descrizioni (predefinita: .)");
  command->add_flag("--json", args->json, "un documento JSON invece del testo");
  command->add_option("--acceleration", args->train.acceleration, "accelerazione in piano, m/s² (predefinita: 0.5)")
      ->check(kFinite & CLI::Range(0.01, 5.0));
  command->add_option("--braking", args->train.braking,
                      "frenatura in piano, m/s² (predefinita: 0.005 per punto di massa frenata)")
      ->check(kFinite & CLI::Range(0.01, 5.0));
  command->add_option("--dwell", args->train.dwell, "sosta a ogni fermata, s (predefinita: 30)")
      ->check(kFinite & CLI::Range(0.0, 86400.0));
  command->add_option("--length", args->train.length, "lunghezza del treno, m (predefinita: 25 per vettura + 20)")
      ->check(kFinite & CLI::Range(0.0, 5000.0));
  command->add_option("--stop", args->train.extra_stops, "ferma anche in questa stazione (ripetibile)");
  return {command, [args](std::ostream& out, std::ostream& err) { return run_timetable(*args, out, err); }};
}

}  // namespace scenario::tools
