#include <cerrno>
#include <cstring>

#include "common/file_names.h"
#include "common/replace_file.h"
#include "common/exit_status.h"
#include "tools/commands.h"
#include "common/read_whole_file.h"
#include "tools/name_check.h"
#include "tools/plot.h"

namespace scenario::tools {
namespace {

// Reads and decodes one compiled file; reports on `err` and returns nothing
// on failure.
template <class T, class Decoder>
std::optional<T> load(const std::filesystem::path& file, Decoder decode, std::ostream& err) {
  const auto bytes = read_whole_file(file);
  if (!bytes) {
    err << "scenario plot: " << file.string() << ": " << std::strerror(errno) << "\n";
    return std::nullopt;
  }
  auto result = decode(*bytes);
  if (const auto* e = std::get_if<DecodeError>(&result)) {
    err << "scenario plot: " << file.string() << ": byte " << e->offset << ": " << e->message << "\n";
    return std::nullopt;
  }
  return std::get<T>(std::move(result));
}

}  // namespace

int run_plot(const PlotArgs& o, std::ostream& out, std::ostream& err) {
  if (!name_parts_ok(o.nome, o.treno, "scenario plot", err)) return tool_exit::kIoOrUsage;
  const FileNames names = file_names(o.dir, o.nome, o.treno);
  const auto records = load<DecodedRecords>(names.sim, decode_records, err);
  const auto track = load<DecodedTrack>(names.dat, decode_track, err);
  if (!records || !track) return tool_exit::kIoOrUsage;
  // The geometry is optional: a scenario compiled without it still has a profile.
  std::optional<DecodedGeometry> geometry;
  if (std::filesystem::exists(names.linea_dat)) {
    geometry = load<DecodedGeometry>(names.linea_dat, decode_geometry, err);
    if (!geometry) return tool_exit::kIoOrUsage;
  }

  PlotInput input;
  input.geometry = geometry ? &*geometry : nullptr;
  input.records = &*records;
  input.track = &*track;
  input.title = o.nome + " - treno " + o.treno;
  const std::filesystem::path target =
      o.output.empty() ? o.dir / (o.nome + "_" + o.treno + ".svg") : o.output;
  if (const auto e = replace_file(target, plot_svg(input))) {
    err << "scenario plot: " << e->file.string() << ": " << e->reason << "\n";
    return tool_exit::kIoOrUsage;
  }
  out << "wrote " << target.string() << "\n";
  return tool_exit::kOk;
}

}  // namespace scenario::tools
