#include "readback/decode.h"

#include "compiler/model/model.h"
#include "compiler/output/compiled_files.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

std::string le16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }

// An empty record: 34 bytes, text count 0.
std::string empty_record() { return std::string(34, '\0'); }

TEST(DecodeMalformed, RefusedWithTheOffsetWhereDecodingStopped) {
  std::string records87;
  for (int i = 0; i < 87; ++i) records87 += empty_record();
  std::string long_text = std::string(14, '\0') + le16(500) + "abc";  // count runs past the end

  const struct {
    const char* name;
    std::string bytes;
    FileKind kind;
    size_t offset;
  } cases[] = {
      {"track not a multiple of 15", std::string(31, '\0'), FileKind::kTrack, 30},
      {"empty track", "", FileKind::kTrack, 0},
      {"records cut inside the fixed part", records87.substr(0, 34 * 86 + 20), FileKind::kRecords, 34 * 86 + 16},
      {"records text count past the end", long_text, FileKind::kRecords, 14},
      {"bytes after the last record", records87 + "x", FileKind::kRecords, 34 * 87},
      {"unknown geometry tag", le16(2) + le16(0) + le16(7) + le16(0), FileKind::kGeometry, 4},
      {"geometry double cut short", le16(5) + "abc", FileKind::kGeometry, 2},
      {"geometry odd element count", le16(0) + le16(0) + le16(0), FileKind::kGeometry, 6},
      {"geometry lone byte", le16(0) + le16(0) + "x", FileKind::kGeometry, 4},
  };
  for (const auto& c : cases) {
    std::optional<DecodeError> err;
    switch (c.kind) {
      case FileKind::kTrack:
        if (auto r = decode_track(c.bytes); auto* e = std::get_if<DecodeError>(&r)) err = *e;
        break;
      case FileKind::kRecords:
        if (auto r = decode_records(c.bytes); auto* e = std::get_if<DecodeError>(&r)) err = *e;
        break;
      case FileKind::kGeometry:
        if (auto r = decode_geometry(c.bytes); auto* e = std::get_if<DecodeError>(&r)) err = *e;
        break;
    }
    ASSERT_TRUE(err) << c.name;
    EXPECT_EQ(err->offset, c.offset) << c.name;
  }
}

TEST(DecodeAny, TheNameIsOnlyAHint) {
  std::string records87;
  for (int i = 0; i < 87; ++i) records87 += empty_record();
  // Records under a track's name are still records: their layout fits, and
  // 2958 bytes is not a multiple of 15.
  auto r = decode_any(records87, "x_7395.dat");
  ASSERT_TRUE(std::holds_alternative<Decoded>(r));
  EXPECT_TRUE(std::holds_alternative<DecodedRecords>(std::get<Decoded>(r)));

  const std::string geometry = le16(2) + le16(0) + le16(0) + le16(2) + le16(1) + le16(0);
  auto g = decode_any(geometry, "anything.bin");
  ASSERT_TRUE(std::holds_alternative<Decoded>(g));
  const auto& geo = std::get<DecodedGeometry>(std::get<Decoded>(g));
  ASSERT_EQ(geo.x.size(), 2u);  // two x values, then two y values
  EXPECT_EQ(std::get<int16_t>(geo.y[0]), 1);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(geo.y[1]));

  auto bad = decode_any(std::string(16, '\x09'), "x.sim");
  ASSERT_TRUE(std::holds_alternative<DecodeError>(bad));
}

// A text is never taken for a compiled file: a description (its "[generale]"
// or fields between commas) or any other text. What the compiler writes is
// not text.
TEST(TextKind, DescriptionsAndOtherTextsAreToldFromCompiledFiles) {
  const struct {
    const char* what;
    std::string bytes;
    std::optional<TextKind> kind;
  } cases[] = {
      {"line description", "[generale]\r\nlunghezza percorso,    10000\r\n[fine]\r\n", TextKind::kDescription},
      {"header in capitals", "[GENERALE]\n", TextKind::kDescription},
      {"rows without a header", "pendenza,  1500,   -5\r\n", TextKind::kDescription},
      {"accented Windows-1252 text", "CITT\xC0, 1\r\n", TextKind::kDescription},
      {"other text", "appunti sul percorso\n", TextKind::kOther},
      {"a zero byte", std::string("[generale]\0", 11), std::nullopt},
      {"a control byte", "ab\x01", std::nullopt},
      {"empty", "", std::nullopt},
      {"compiled track", track_bytes(std::vector<Cella>(3)), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(text_kind(c.bytes), c.kind) << c.what;
}

TEST(KindFromName, Suffixes) {
  EXPECT_EQ(kind_from_name("Montebrisca_Lurna_linea.dat"), FileKind::kGeometry);
  EXPECT_EQ(kind_from_name("Montebrisca_Lurna_7395.sim"), FileKind::kRecords);
  EXPECT_EQ(kind_from_name("Montebrisca_Lurna_7395.dat"), FileKind::kTrack);
  EXPECT_EQ(kind_from_name("notes.txt"), std::nullopt);
}

}  // namespace
}  // namespace scenario

namespace scenario {
namespace {

// A small model with every kind of value, serialised by the compiler's own
// writers and decoded back.
TrackModel sample_model() {
  TrackModel m;
  create_model(m, 500, true);
  m.celle[1] = Cella{1, -2, 300, -32768, 32767, 210, 34, 3, 27, 95, 90};
  m.celle[m.celle.size() - 1].dato_treno = 255;
  m.record[1].nome_punto = "MONTEBRISCA";
  m.record[1].orario = 85800;
  m.record[1].inizio_zona = -500;
  m.record[80].nome_punto = "(PL km)(1+522)";
  m.record[86] = Record{200, 1, 2, 3, 4, "7395", -5, 6, 23, 49, 40, 7, 8, 9, 10, -11};
  m.geometry.x.set(0, int16_t{0});
  m.geometry.y.set(0, int16_t{0});
  m.geometry.x.set(1, int16_t{0});
  m.geometry.y.set(1, int16_t{1});
  m.geometry.x.set(2, 0.125);
  m.geometry.y.set(2, 1.9999999);
  return m;
}

TEST(DecodeRoundTrip, WhatTheWritersWriteDecodesToTheModel) {
  const TrackModel m = sample_model();

  const auto track = decode_track(track_bytes(m.celle));
  ASSERT_TRUE(std::holds_alternative<DecodedTrack>(track));
  const auto& cells = std::get<DecodedTrack>(track).celle;
  ASSERT_EQ(cells.size(), m.celle.size());
  for (size_t i = 0; i < cells.size(); ++i)
    EXPECT_EQ(track_bytes({cells[i]}), track_bytes({m.celle[i]})) << i;

  const auto records = decode_records(records_bytes(m.record));
  ASSERT_TRUE(std::holds_alternative<DecodedRecords>(records));
  EXPECT_EQ(records_bytes(std::get<DecodedRecords>(records).record), records_bytes(m.record));
  EXPECT_EQ(std::get<DecodedRecords>(records).record[86].nome_punto, "7395");

  const auto geometry = decode_geometry(geometry_bytes(m.geometry));
  ASSERT_TRUE(std::holds_alternative<DecodedGeometry>(geometry));
  const auto& g = std::get<DecodedGeometry>(geometry);
  ASSERT_EQ(g.x.size(), m.geometry.x.size());
  ASSERT_EQ(g.y.size(), m.geometry.y.size());
  for (size_t i = 0; i < g.x.size(); ++i) {
    EXPECT_EQ(g.x[i], m.geometry.x[i]) << i;
    EXPECT_EQ(g.y[i], m.geometry.y[i]) << i;
  }
}

// A long geometry leaves the writer in pieces; joined, they decode to every
// point of the model.
TEST(DecodeRoundTrip, AGeometryWrittenInPiecesDecodesToItsPoints) {
  TrackModel m;
  create_model(m, 200000, true);
  Geometry& t = m.geometry;
  for (GeometryAxis* axis : {&t.x, &t.y}) axis->set(0, int16_t{0});
  t.x.set(1, int16_t{0});
  t.y.set(1, int16_t{1});
  for (size_t i = 2; i + 2 < t.x.size(); ++i) {
    t.x.set(i, -1.0 / static_cast<double>(i));
    t.y.set(i, static_cast<double>(i) * 0.999);
  }
  std::string joined;
  geometry_pieces(t, [&](std::string_view piece) { joined.append(piece); });
  const auto decoded = decode_geometry(joined);
  ASSERT_TRUE(std::holds_alternative<DecodedGeometry>(decoded));
  const auto& g = std::get<DecodedGeometry>(decoded);
  ASSERT_EQ(g.x.size(), t.x.size());
  for (size_t i = 0; i < g.x.size(); ++i) {
    ASSERT_EQ(g.x[i], t.x[i]) << i;
    ASSERT_EQ(g.y[i], t.y[i]) << i;
  }
}

}  // namespace
}  // namespace scenario
