#include <cerrno>
#include <cstring>

#include "common/exit_status.h"
#include "tools/commands.h"
#include "tools/describe.h"
#include "tools/stale_files.h"
#include "common/read_whole_file.h"

namespace scenario::tools {

namespace {

// Tells on `err` which of the decoded files do not belong with the others or
// are older than the descriptions beside them.
void warn_stale(const std::vector<std::pair<std::string, Decoded>>& files, std::ostream& err) {
  CompiledSet set;
  std::vector<std::filesystem::path> descriptions;
  for (const auto& [name, decoded] : files) {
    if (const auto* g = std::get_if<DecodedGeometry>(&decoded); g && !set.geometry) set.geometry = g, set.geometry_file = name;
    if (const auto* r = std::get_if<DecodedRecords>(&decoded); r && !set.records) set.records = r, set.records_file = name;
    if (const auto* t = std::get_if<DecodedTrack>(&decoded); t && !set.track) set.track = t, set.track_file = name;
    for (const auto& d : descriptions_of(name)) descriptions.push_back(d);
  }
  for (const StaleFile& s : stale_files(set, descriptions))
    err << "scenario inspect: attenzione: " << s.file.string() << ": " << s.reason << "\n";
}

}  // namespace

int run_inspect(const InspectArgs& options, std::ostream& out, std::ostream& err) {
  Json all = Json::array();
  std::vector<std::pair<std::string, Decoded>> decoded_files;
  for (const std::string& name : options.files) {
    const auto bytes = read_whole_file(name);
    if (!bytes) {
      err << "scenario inspect: " << name << ": " << std::strerror(errno) << "\n";
      return tool_exit::kIoOrUsage;
    }
    auto decoded = decode_any(*bytes, std::filesystem::path(name).filename().string());
    if (const auto* e = std::get_if<DecodeError>(&decoded)) {
      err << "scenario inspect: " << name << ": byte " << e->offset << ": " << e->message << "\n";
      return tool_exit::kIoOrUsage;
    }
    Json d = {{"file", name}};
    d.update(describe(std::get<Decoded>(decoded)));
    all.push_back(std::move(d));
    decoded_files.emplace_back(name, std::get<Decoded>(std::move(decoded)));
  }
  warn_stale(decoded_files, err);
  if (options.json) {
    out << (all.size() == 1 ? all[0] : all).dump(2) << "\n";
  } else {
    for (const Json& d : all) out << d["file"].get<std::string>() << "\n" << render_text(d) << "\n";
  }
  return tool_exit::kOk;
}

}  // namespace scenario::tools
