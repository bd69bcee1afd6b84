#include "tools/load_scenario.h"

#include <cerrno>
#include <cstring>

#include "common/read_whole_file.h"

namespace scenario::tools {
namespace {

template <class T, class Decoder>
std::optional<T> load(const std::filesystem::path& file, Decoder decode, const char* command, std::ostream& err) {
  const auto bytes = read_whole_file(file);
  if (!bytes) {
    err << command << ": " << file.string() << ": " << std::strerror(errno) << "\n";
    return std::nullopt;
  }
  auto result = decode(*bytes);
  if (const auto* e = std::get_if<DecodeError>(&result)) {
    err << command << ": " << file.string() << ": byte " << e->offset << ": " << e->message << "\n";
    return std::nullopt;
  }
  return std::get<T>(std::move(result));
}

}  // namespace

std::optional<LoadedScenario> load_scenario(const FileNames& compiled, const FileNames& descriptions,
                                            const char* command, std::ostream& err) {
  auto records = load<DecodedRecords>(compiled.sim, decode_records, command, err);
  auto track = load<DecodedTrack>(compiled.dat, decode_track, command, err);
  if (!records || !track) return std::nullopt;
  LoadedScenario s{std::move(*records), std::move(*track), std::nullopt, "", {}};
  // The geometry is optional: a scenario compiled without it still has a profile.
  if (std::filesystem::exists(compiled.linea_dat)) {
    s.geometry = load<DecodedGeometry>(compiled.linea_dat, decode_geometry, command, err);
    if (!s.geometry) return std::nullopt;
  }
  s.stale = stale_files({&s.records, compiled.sim, &s.track, compiled.dat, s.geometry ? &*s.geometry : nullptr,
                         s.geometry ? compiled.linea_dat : std::filesystem::path()},
                        {descriptions.linea_txt, descriptions.treno_txt});
  s.no_plan = "Pianta non disponibile: compilato senza geometria";
  for (const StaleFile& stale : s.stale) {
    err << command << ": attenzione: " << stale.file.string() << ": " << stale.reason << "\n";
    if (stale.wrong_length && stale.file == compiled.linea_dat) {
      s.geometry.reset();
      s.no_plan = "Pianta non disegnata (" + compiled.linea_dat.filename().string() + "): " + stale.reason;
    }
  }
  return s;
}

}  // namespace scenario::tools
