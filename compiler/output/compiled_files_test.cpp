#include "compiler/output/compiled_files.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <set>

#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

std::string bytes(std::initializer_list<int> list) {
  std::string out;
  for (const int b : list) out.push_back(static_cast<char>(b));
  return out;
}

TEST(TrackBytes, FifteenBytesPerCellLittleEndian) {
  Cella c;
  c.oggetto = 0x01;
  c.valore1 = 0x0302;
  c.valore2 = -2;
  c.valore3 = 0x0504;
  c.valore4 = -32768;
  c.tempo_segnale = 0x06;
  c.preavviso = 0x07;
  c.montagna = 0x08;
  c.velocita = 0x09;
  c.pendenza = 0xFA;
  c.dato_treno = 0x0B;
  EXPECT_EQ(track_bytes({c}), bytes({0x01, 0x02, 0x03, 0xFE, 0xFF, 0x04, 0x05, 0x00, 0x80, 0x06, 0x07,
                                     0x08, 0x09, 0xFA, 0x0B}));

  for (const int32_t route : {0, 103000}) {
    TrackModel m;
    create_model(m, route, false);
    EXPECT_EQ(track_bytes(m.celle).size(), 15u * (static_cast<size_t>(m.last_cell) + 1)) << route;
  }
  TrackModel line;
  create_model(line, 103000, false);
  EXPECT_EQ(track_bytes(line.celle).size(), 33015u);
}

TEST(RecordsBytes, ThirtyFourBytesPlusTheText) {
  std::array<Record, kRecordCount> record{};
  EXPECT_EQ(records_bytes(record), std::string(2958, '\0'));

  Record& r = record[0];
  r.tipo_punto = 0x01;
  r.inizio_zona = 0x05040302;
  r.fine_zona = -1;
  r.posizione_punto = 0x0A;
  r.dato_1 = 0x0B;
  r.nome_punto = "ab";
  r.dato_4 = 610;
  r.dato_5 = -2;
  r.dato_7 = 0x0C0D;
  r.dato_8 = 0x0E;
  r.dato_9 = 0x0F;
  r.dato_6 = 0x10;
  r.dato_10 = 0x11;
  r.allungamento = 0x12;
  r.dato_2 = 0xFF;
  r.orario = 33220;
  record[85].nome_punto = "Montebrisca_Lurna";
  const std::string out = records_bytes(record);
  ASSERT_EQ(out.size(), 2958u + 2 + 17);
  EXPECT_EQ(out.substr(0, 36),
            bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0x0A, 0x00, 0x00, 0x00,
                   0x0B, 0x02, 0x00, 'a',  'b',  0x62, 0x02, 0xFE, 0xFF, 0x0D, 0x0C, 0x0E, 0x00,
                   0x0F, 0x00, 0x10, 0x11, 0x12, 0xFF, 0xC4, 0x81, 0x00, 0x00}));
  // Record 85 starts after 36 bytes and 84 empty records.
  EXPECT_EQ(out.substr(36 + 84 * 34 + 14, 19), bytes({17, 0}) + "Montebrisca_Lurna");
}

TEST(RecordsBytes, TextCountNeverDisagreesWithItsBytes) {
  std::array<Record, kRecordCount> record{};
  record[0].nome_punto = std::string(70000, 'x');
  const std::string out = records_bytes(record);
  EXPECT_EQ(out.size(), 2958u + 65535);
  EXPECT_EQ(out.substr(14, 2), bytes({0xFF, 0xFF}));
}

// Every element, kind and value.
TEST(GeometryBytes, TagsAndValuesXThenY) {
  Geometry t{GeometryAxis(4), GeometryAxis(4)};
  for (GeometryAxis* axis : {&t.x, &t.y}) axis->set(0, int16_t{0});
  t.x.set(1, int16_t{0});
  t.y.set(1, int16_t{1});
  t.x.set(2, 1.0);
  t.y.set(2, -0.5);
  EXPECT_EQ(geometry_bytes(t),
            bytes({2, 0, 0, 0,  2, 0, 0, 0,  5, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  0, 0,
                   2, 0, 0, 0,  2, 0, 1, 0,  5, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF,  0, 0}));
}

// A model's geometry as the line reader leaves it: the two starting points
// as small integers, doubles from `x` and `y` up to two points before the
// end, the last two points empty.
template <class X, class Y>
Geometry& path_of(TrackModel& m, int32_t route_length, X x, Y y) {
  create_model(m, route_length, true);
  Geometry& t = m.geometry;
  t.x.set(0, int16_t{0});
  t.y.set(0, int16_t{0});
  t.x.set(1, int16_t{0});
  t.y.set(1, int16_t{1});
  for (size_t i = 2; i + 2 < t.x.size(); ++i) {
    t.x.set(i, x(static_cast<double>(i)));
    t.y.set(i, y(static_cast<double>(i)));
  }
  return t;
}

TEST(GeometryBytes, AFullPathHasTheSizeOfItsElements) {
  TrackModel m;
  const Geometry& t = path_of(
      m, 0, [](double i) { return 0.001 * i * i; }, [](double i) { return i + 1.0 / 3.0; });
  // Per axis 2 small integers, doubles for metres 2..6998, 2 empty points.
  EXPECT_EQ(geometry_bytes(t).size(), 2 * (2 * 4 + 6997 * 10 + 2 * 2u));
}

// A long route's geometry leaves in pieces of bounded size that join up to
// exactly the model's elements.
TEST(GeometryPieces, ALongGeometryGoesOutInBoundedPiecesThatJoinUp) {
  TrackModel m;
  const Geometry& t = path_of(
      m, 200000, [](double i) { return -1.0 / i; }, [](double i) { return i * 0.999; });
  std::string joined;
  int pieces = 0;
  geometry_pieces(t, [&](std::string_view piece) {
    EXPECT_LE(piece.size(), 640u * 1024);
    joined.append(piece);
    ++pieces;
  });
  EXPECT_GT(pieces, 2);
  EXPECT_EQ(geometry_bytes(t), joined);

  TempDir dir;
  CompilationState s;
  s.model = std::move(m);
  const FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
  ASSERT_FALSE(write_compiled_files(s, names).io_error);
  EXPECT_EQ(read_file(names.linea_dat), joined);
}

class WriteCompiledFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    names_ = file_names(dir_.path(), "Montebrisca_Lurna", "7395");
    create_model(state_.model, 100, true);
    state_.model.geometry.x.set(0, int16_t{0});
    state_.model.geometry.y.set(1, int16_t{1});
    state_.model.record[85].nome_punto = "Montebrisca_Lurna";
    state_.model.celle[3].oggetto = kSignal;
  }

  std::set<std::string> folder() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.path())) names.insert(e.path().filename().string());
    return names;
  }

  TempDir dir_;
  FileNames names_;
  CompilationState state_;
};

TEST_F(WriteCompiledFiles, WritesTheThreeSerialisedFiles) {
  const CompileOutcome outcome = write_compiled_files(state_, names_);
  ASSERT_FALSE(outcome.io_error);
  EXPECT_EQ(outcome.written, (std::vector<fs::path>{names_.linea_dat, names_.sim, names_.dat}));
  EXPECT_EQ(read_file(names_.linea_dat), geometry_bytes(state_.model.geometry));
  EXPECT_EQ(read_file(names_.sim), records_bytes(state_.model.record));
  EXPECT_EQ(read_file(names_.dat), track_bytes(state_.model.celle));
  const std::set<std::string> expected = {"Montebrisca_Lurna_linea.dat", "Montebrisca_Lurna_7395.sim",
                                          "Montebrisca_Lurna_7395.dat"};
  EXPECT_EQ(folder(), expected);
}

TEST_F(WriteCompiledFiles, WithoutTheLineOnlyRecordsAndTrackAndEarlierFilesReplacedWhole) {
  write_file(names_.linea_dat, "earlier geometry");
  write_file(names_.dat, std::string(100000, 'x'));
  state_.build_geometry = false;
  ASSERT_FALSE(write_compiled_files(state_, names_).io_error);
  EXPECT_EQ(read_file(names_.linea_dat), "earlier geometry");
  EXPECT_EQ(read_file(names_.sim), records_bytes(state_.model.record));
  EXPECT_EQ(read_file(names_.dat), track_bytes(state_.model.celle));
}

TEST_F(WriteCompiledFiles, AFailedWriteNamesTheFileAndStopsThere) {
  // A name of 250 bytes can exist, but its temporary sibling's cannot.
  const std::string too_long_for_a_sibling(250, 'n');
  for (fs::path FileNames::*failing : {&FileNames::linea_dat, &FileNames::sim, &FileNames::dat}) {
    TempDir dir;
    FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
    names.*failing = dir.path() / too_long_for_a_sibling;
    for (const fs::path* f : {&names.linea_dat, &names.sim, &names.dat}) write_file(*f, "earlier");

    const CompileOutcome outcome = write_compiled_files(state_, names);
    const auto& err = outcome.io_error;
    ASSERT_TRUE(err);
    EXPECT_EQ(err->file, names.*failing);
    EXPECT_FALSE(err->reason.empty());
    // Files before the failing one are new, the failing one and those after
    // it keep their earlier content, and no temporary file is left.
    bool reached = false;
    size_t written = 0;
    for (const fs::path* f : {&names.linea_dat, &names.sim, &names.dat}) {
      reached |= *f == names.*failing;
      EXPECT_EQ(read_file(*f) == "earlier", reached) << f->filename();
      written += !reached;
    }
    EXPECT_EQ(outcome.written.size(), written);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
  }
}

}  // namespace
}  // namespace scenario
