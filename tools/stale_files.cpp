#include "tools/stale_files.h"

#include <cmath>
#include <optional>
#include <system_error>

#include "compiler/model/numbers.h"

namespace scenario::tools {
namespace {

namespace fs = std::filesystem;

// One file's idea of the route: the model's last metre (route length + 7000)
// for the records and the geometry, the last cell for the track.
struct Claim {
  const fs::path* file = nullptr;
  std::string what;  // "la geometria", ...
  std::optional<int64_t> last_metre;
  std::optional<int64_t> last_cell;
  int64_t route_length() const {
    return last_metre ? *last_metre - kModelExtension : *last_cell * 50 - kModelExtension;
  }
};

int64_t cell_of_last_metre(int64_t metre) {
  return static_cast<int64_t>(nearest_even(static_cast<double>(metre) / 50));
}

bool agree(const Claim& a, const Claim& b) {
  if (a.last_metre && b.last_metre) return *a.last_metre == *b.last_metre;
  const Claim& cells = a.last_cell ? a : b;
  const Claim& metres = a.last_cell ? b : a;
  if (!metres.last_metre) return *a.last_cell == *b.last_cell;
  return cell_of_last_metre(*metres.last_metre) == *cells.last_cell;
}

std::string length_text(const Claim& c) {
  return (c.last_cell ? "circa " : "") + std::to_string(c.route_length()) + " m";
}

StaleFile odd_one(const Claim& odd, const Claim& other) {
  return {*odd.file,
          odd.what + " è per un percorso di " + length_text(odd) + ", " + other.file->filename().string() +
              " per uno di " + length_text(other) + ": non appartiene alla stessa compilazione",
          true};
}

std::vector<StaleFile> length_mismatches(const CompiledSet& s) {
  std::vector<Claim> claims;
  if (s.geometry && !s.geometry->x.empty())
    claims.push_back({&s.geometry_file, "la geometria", static_cast<int64_t>(s.geometry->x.size()) - 1, {}});
  if (s.records)
    claims.push_back({&s.records_file, "il file dei record", int64_t{s.records->record[kTrainDataSlot].fine_zona} + kModelExtension, {}});
  if (s.track && !s.track->celle.empty())
    claims.push_back({&s.track_file, "il tracciato", {}, static_cast<int64_t>(s.track->celle.size()) - 1});

  std::vector<StaleFile> stale;
  if (claims.size() < 2) return stale;
  if (claims.size() == 2) {
    // Of two, the first listed: the geometry when it is one of them, since a
    // run without geometry leaves an old one in place.
    if (!agree(claims[0], claims[1])) stale.push_back(odd_one(claims[0], claims[1]));
    return stale;
  }
  // Of three, the one that disagrees with both others; all three when no two agree.
  for (size_t i = 0; i < 3; ++i) {
    const Claim& a = claims[(i + 1) % 3];
    const Claim& b = claims[(i + 2) % 3];
    if (agree(a, b) && !agree(claims[i], a)) stale.push_back(odd_one(claims[i], a));
  }
  if (stale.empty() && !agree(claims[0], claims[1]) && !agree(claims[1], claims[2]))
    for (size_t i = 0; i < 3; ++i) stale.push_back(odd_one(claims[i], claims[(i + 1) % 3]));
  return stale;
}

}  // namespace

std::vector<StaleFile> stale_files(const CompiledSet& set, const std::vector<fs::path>& descriptions) {
  std::vector<StaleFile> stale = length_mismatches(set);
  for (const fs::path* file : {&set.geometry_file, &set.records_file, &set.track_file}) {
    std::error_code ec;
    if (file->empty()) continue;
    const auto written = fs::last_write_time(*file, ec);
    if (ec) continue;
    for (const fs::path& description : descriptions) {
      const auto changed = fs::last_write_time(description, ec);
      if (ec || !(written < changed)) continue;
      stale.push_back({*file, "è più vecchio di " + description.filename().string() + ": va compilato di nuovo", false});
      break;
    }
  }
  return stale;
}

std::vector<fs::path> descriptions_of(const fs::path& compiled_file) {
  const std::string name = compiled_file.filename().string();
  const fs::path folder = compiled_file.parent_path();
  const auto ends_with = [&](const std::string& suffix) {
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  };
  if (ends_with("_linea.dat")) return {folder / (name.substr(0, name.size() - 4) + ".txt")};
  if (!ends_with(".dat") && !ends_with(".sim")) return {};
  const std::string nome_treno = name.substr(0, name.size() - 4);
  std::vector<fs::path> found{folder / (nome_treno + "-.txt")};
  if (const size_t cut = nome_treno.rfind('_'); cut != std::string::npos && cut > 0)
    found.push_back(folder / (nome_treno.substr(0, cut) + "_linea.txt"));
  return found;
}

}  // namespace scenario::tools
