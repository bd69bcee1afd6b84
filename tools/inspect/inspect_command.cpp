#include "tools/inspect/inspect_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <list>

#include "common/exit_status.h"
#include "common/read_whole_file.h"
#include "readback/line_kilometre.h"
#include "tools/inspect/describe.h"
#include "tools/json_text.h"
#include "tools/stale_files.h"

namespace scenario::tools {

namespace {

namespace fs = std::filesystem;

constexpr const char* kCommand = "scenario inspect";

// A route metre as --at-m takes it: whole metres, "m" after them or not.
std::optional<int64_t> parse_metres(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.back() == 'm') text.remove_suffix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// The place --at or --at-m asks for, or a fault told on `err`.
std::optional<std::optional<TrackPlace>> place_asked(const InspectArgs& o, std::ostream& err) {
  if (!o.at.empty()) {
    if (const auto metre = parse_line_km(o.at)) return TrackPlace{TrackPlace::Kind::kLineMetre, *metre};
    err << kCommand << ": --at: \"" << o.at << "\" non è un chilometro di linea (si scrive 90+300 o 90.3)\n";
    return std::nullopt;
  }
  if (!o.at_m.empty()) {
    if (const auto metre = parse_metres(o.at_m)) return TrackPlace{TrackPlace::Kind::kRouteMetre, *metre};
    err << kCommand << ": --at-m: \"" << o.at_m << "\" non è un numero intero di metri\n";
    return std::nullopt;
  }
  return std::optional<TrackPlace>();
}

// Why a file is not a compiled file, in Italian; nothing when it decoded.
std::string refusal(std::string_view bytes, const DecodeResult<Decoded>& decoded) {
  if (const auto text = text_kind(bytes)) {
    if (*text == TextKind::kDescription)
      return "è una descrizione, un testo, non un file compilato: la controlla scenario check NOME TRENO, "
             "la compila scenario compile NOME TRENO";
    return "è un file di testo, non un file compilato (.dat, .sim o _linea.dat)";
  }
  if (const auto* e = std::get_if<DecodeError>(&decoded))
    return "non è un file compilato di questo formato: byte " + std::to_string(e->offset) + ": " + e->message;
  return "";
}

// The records file beside a track, NOME_TRENO.sim for NOME_TRENO.dat, read
// into `kept`; its path and, when it could not be read, why.
TrackContext records_beside(const fs::path& track_file, std::list<DecodedRecords>& kept) {
  TrackContext context;
  const fs::path file = fs::path(track_file).replace_extension(".sim");
  context.records_file = file.string();
  const std::string without = ": senza nomi delle stazioni, testi dei cartelli e km di linea";
  if (!fs::exists(file)) {
    context.records_note = file.string() + " non c'è" + without;
    return context;
  }
  const auto bytes = read_whole_file(file);
  if (!bytes) {
    context.records_note = file.string() + ": " + std::strerror(errno) + without;
    return context;
  }
  auto records = decode_records(*bytes);
  if (const auto* e = std::get_if<DecodeError>(&records)) {
    context.records_note = file.string() + " non è un file dei record: byte " + std::to_string(e->offset) + ": " +
                           e->message + without;
    return context;
  }
  context.records = &kept.emplace_back(std::get<DecodedRecords>(std::move(records)));
  return context;
}

// Tells on `err` which of the decoded files (and the records read beside a
// track) do not belong with the others or are older than the descriptions
// beside them.
void warn_stale(const std::vector<std::pair<std::string, Decoded>>& files, const TrackContext* beside,
                std::ostream& err) {
  CompiledSet set;
  std::vector<fs::path> descriptions;
  for (const auto& [name, decoded] : files) {
    if (const auto* g = std::get_if<DecodedGeometry>(&decoded); g && !set.geometry)
      set.geometry = g, set.geometry_file = name;
    if (const auto* r = std::get_if<DecodedRecords>(&decoded); r && !set.records)
      set.records = r, set.records_file = name;
    if (const auto* t = std::get_if<DecodedTrack>(&decoded); t && !set.track) set.track = t, set.track_file = name;
    for (const auto& d : descriptions_of(name)) descriptions.push_back(d);
  }
  if (!set.records && beside && beside->records) {
    set.records = beside->records;
    set.records_file = beside->records_file;
  }
  for (const StaleFile& s : stale_files(set, descriptions))
    err << kCommand << ": attenzione: " << s.file.string() << ": " << s.reason << "\n";
}

}  // namespace

int run_inspect(const InspectArgs& options, std::ostream& out, std::ostream& err) {
  const auto at = place_asked(options, err);
  if (!at) return tool_exit::kIoOrUsage;

  Json described = Json::array();
  std::vector<std::pair<std::string, Decoded>> decoded_files;
  std::list<DecodedRecords> records_beside_tracks;
  std::optional<TrackContext> first_track;
  for (const std::string& name : options.files) {
    const auto bytes = read_whole_file(name);
    if (!bytes) {
      err << kCommand << ": " << name << ": " << std::strerror(errno) << "\n";
      return tool_exit::kIoOrUsage;
    }
    auto decoded = decode_any(*bytes, fs::path(name).filename().string());
    if (const std::string why = refusal(*bytes, decoded); !why.empty()) {
      err << kCommand << ": " << name << ": " << why << "\n";
      return tool_exit::kIoOrUsage;
    }
    Json file = {{"file", name}};
    if (const auto* track = std::get_if<DecodedTrack>(&std::get<Decoded>(decoded))) {
      TrackContext context = records_beside(name, records_beside_tracks);
      context.at = *at;
      file.update(describe_track(*track, context));
      if (!first_track) first_track = context;
    } else {
      file.update(describe(std::get<Decoded>(decoded)));
    }
    described.push_back(std::move(file));
    decoded_files.emplace_back(name, std::get<Decoded>(std::move(decoded)));
  }
  if (*at && !first_track) {
    err << kCommand << ": " << (options.at.empty() ? "--at-m" : "--at")
        << " vale per i file del tracciato (NOME_TRENO.dat), e nessuno dei file lo è\n";
    return tool_exit::kIoOrUsage;
  }
  warn_stale(decoded_files, first_track ? &*first_track : nullptr, err);
  if (options.json) {
    const Json document = {{"format", kInspectFormat}, {"files", std::move(described)}};
    out << json_text(document, 2) << "\n";
  } else {
    for (const Json& file : described) {
      if (&file != &described.front()) out << "\n";
      out << file["file"].get<std::string>() << "\n" << render_text(file);
    }
  }
  return tool_exit::kOk;
}

Command add_inspect_command(CLI::App& program) {
  auto args = std::make_shared<InspectArgs>();
  CLI::App* command = program.add_subcommand(
      "inspect", "Decodifica i file compilati (.dat, .sim, _linea.dat) in parole o in JSON; per il tracciato "
                 "legge il file dei record accanto (NOME_TRENO.sim)");
  command->add_option("FILE", args->files, "file compilati")->required();
  command->add_flag("--json", args->json, "un documento JSON invece del testo");
  CLI::Option* at = command->add_option(
      "--at", args->at, "km di linea (90+300 o 90.3): le celle in ogni punto in cui la linea vi passa, e "
                        "gli oggetti più vicini prima e dopo");
  command
      ->add_option("--at-m", args->at_m, "metri dall'inizio: la cella lì e gli oggetti più vicini prima e dopo")
      ->excludes(at);
  return {command, [args](std::ostream& out, std::ostream& err) { return run_inspect(*args, out, err); }};
}

}  // namespace scenario::tools
