#include "tools/stale_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "test_support/files.h"

namespace scenario::tools {
namespace {

namespace fs = std::filesystem;

DecodedRecords records_of(int32_t route_length) {
  DecodedRecords r;
  r.record[84].fine_zona = route_length;
  return r;
}

// Files as a compilation of a route of `route_length` metres leaves them.
DecodedTrack track_of(int32_t route_length) {
  DecodedTrack t;
  t.celle.resize(static_cast<size_t>(std::lround((route_length + 7000) / 50.0)) + 1);
  return t;
}

DecodedGeometry geometry_of(int32_t route_length) {
  const size_t points = static_cast<size_t>(route_length) + 7001;
  return DecodedGeometry{GeometryAxis(points), GeometryAxis(points)};
}

TEST(StaleFiles, TheFileOfAnotherLengthIsNamed) {
  const auto records = records_of(10000), other_records = records_of(20000);
  const auto track = track_of(10000), other_track = track_of(20000);
  const auto geometry = geometry_of(10000), other_geometry = geometry_of(20000);
  const struct {
    const char* what;
    CompiledSet set;
    std::vector<std::string> named;
  } cases[] = {
      {"all agree", {&records, "a.sim", &track, "a.dat", &geometry, "a_linea.dat"}, {}},
      {"geometry left by an earlier route", {&records, "a.sim", &track, "a.dat", &other_geometry, "a_linea.dat"},
       {"a_linea.dat"}},
      {"track of another route", {&records, "a.sim", &other_track, "a.dat", &geometry, "a_linea.dat"}, {"a.dat"}},
      {"records of another route", {&other_records, "a.sim", &track, "a.dat", &geometry, "a_linea.dat"}, {"a.sim"}},
      {"no geometry", {&records, "a.sim", &track, "a.dat", nullptr, ""}, {}},
      {"geometry beside the track alone", {nullptr, "", &track, "a.dat", &other_geometry, "a_linea.dat"},
       {"a_linea.dat"}},
      {"one file", {nullptr, "", nullptr, "", &other_geometry, "a_linea.dat"}, {}},
  };
  for (const auto& c : cases) {
    const auto stale = stale_files(c.set, {});
    std::vector<std::string> named;
    for (const StaleFile& s : stale) {
      named.push_back(s.file.string());
      EXPECT_TRUE(s.wrong_length) << c.what;
    }
    EXPECT_EQ(named, c.named) << c.what;
  }
  const auto stale = stale_files({&records, "a.sim", &track, "a.dat", &other_geometry, "a_linea.dat"}, {});
  ASSERT_EQ(stale.size(), 1u);
  EXPECT_EQ(stale[0].reason,
            "la geometria è per un percorso di 20000 m, a.sim per uno di 10000 m: non appartiene alla stessa "
            "compilazione");
}

// The track's cells round the length: a route 20 m longer has the same cells.
TEST(StaleFiles, TrackAgreesWithinItsCell) {
  const auto records = records_of(10020);
  const auto track = track_of(10000);
  EXPECT_TRUE(stale_files({&records, "a.sim", &track, "a.dat", nullptr, ""}, {}).empty());
  const auto far = records_of(10100);
  EXPECT_EQ(stale_files({&far, "a.sim", &track, "a.dat", nullptr, ""}, {}).size(), 1u);
}

TEST(StaleFiles, FilesOlderThanADescriptionAreNamed) {
  testing::TempDir dir;
  const fs::path sim = dir.path() / "A_1.sim", dat = dir.path() / "A_1.dat", linea = dir.path() / "A_linea.txt";
  for (const fs::path& f : {sim, dat, linea}) testing::write_file(f, "x");
  const auto now = fs::last_write_time(linea);
  fs::last_write_time(sim, now - std::chrono::seconds(10));
  fs::last_write_time(dat, now + std::chrono::seconds(10));
  const auto records = records_of(10000);
  const auto track = track_of(10000);
  const auto stale = stale_files({&records, sim, &track, dat, nullptr, ""}, {dir.path() / "A_1-.txt", linea});
  ASSERT_EQ(stale.size(), 1u);
  EXPECT_EQ(stale[0].file, sim);
  EXPECT_FALSE(stale[0].wrong_length);
  EXPECT_EQ(stale[0].reason, "è più vecchio di A_linea.txt: va compilato di nuovo");
}

TEST(StaleFiles, DescriptionsFollowTheNamingRule) {
  using Paths = std::vector<fs::path>;
  EXPECT_EQ(descriptions_of("d/Monte_Lurna_linea.dat"), (Paths{"d/Monte_Lurna_linea.txt"}));
  EXPECT_EQ(descriptions_of("d/Monte_Lurna_7395.dat"), (Paths{"d/Monte_Lurna_7395-.txt", "d/Monte_Lurna_linea.txt"}));
  EXPECT_EQ(descriptions_of("d/Monte_Lurna_7395.sim"), (Paths{"d/Monte_Lurna_7395-.txt", "d/Monte_Lurna_linea.txt"}));
  EXPECT_EQ(descriptions_of("d/route.svg"), Paths{});
}

}  // namespace
}  // namespace scenario::tools
