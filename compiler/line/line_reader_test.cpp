#include "compiler/line/line_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "test_support/files.h"

namespace scenario {
namespace {

namespace fs = std::filesystem;

std::string fixture(const char* name) { return testing::read_file(fs::path(TESTDATA_DIR) / "line" / name); }

// A 103 km line (cells 0..2200) with `rows` after its general section; the
// rows start on line 4.
std::string line_with(const std::string& rows) {
  return "[generale]\nlunghezza percorso, 103000\n[curve]\n" + rows + "[fine]\n";
}

struct TextRun {
  CompilationState s;
  ReadingEnd result{};
};

// Reads `text` as the line description; with no text there is none.
TextRun read_text(const std::optional<std::string>& text, bool build_geometry = true, const char* nome = "M",
                  const char* treno = "1") {
  TextRun run;
  run.s.nome = nome;
  run.s.treno = treno;
  run.s.build_geometry = build_geometry;
  read_line(run.s, text ? DescriptionText::of(*text) : DescriptionText{});
  run.result = run.s.line_reading.end;
  return run;
}

// The line the last error was located at; 0 for none, or for a whole file.
int error_line(const CompilationState& s) { return s.errors.empty() ? 0 : s.errors.all().back().place.line; }

double coordinate(const GeometryElement& e) { return std::get<double>(e); }

TEST(LineReader, ReadsTheScenarioFormOfTheLineDescription) {
  const TextRun run = read_text(fixture("basic_linea.txt"));
  ASSERT_TRUE(run.s.errors.empty());
  EXPECT_EQ(run.result, ReadingEnd::kCompleted);
  const TrackModel& m = run.s.model;

  EXPECT_EQ(m.record[84].fine_zona, 103000);
  EXPECT_EQ(m.lunghezza_totale, 110000);
  EXPECT_EQ(m.last_cell, 2200);
  EXPECT_EQ(m.celle.size(), 2201u);

  // Progressives in their fixed order, "uno" with its 100 added.
  const auto triple = [&](int slot) {
    const Record& r = m.record[slot];
    return std::array<int32_t, 3>{r.inizio_zona, r.fine_zona, r.posizione_punto};
  };
  EXPECT_EQ(triple(81), (std::array<int32_t, 3>{1500, -1500, 0}));
  EXPECT_EQ(triple(82), (std::array<int32_t, 3>{0, 90100, 1}));
  EXPECT_EQ(triple(83), (std::array<int32_t, 3>{0, 0, 0}));
  // Backgrounds and the names in record 85, repeated signals in 86.
  EXPECT_EQ(triple(85), (std::array<int32_t, 3>{1, 0, 0}));
  EXPECT_EQ(m.record[85].nome_punto, "M");
  EXPECT_EQ(triple(86), (std::array<int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(m.record[86].nome_punto, "1");

  // Gradients 0, -5 from 1500, 6 from 3300, 0 from 101600; the last three
  // cells keep 0.
  const struct {
    int first, last, pendenza;
  } gradients[] = {{0, 29, 100}, {30, 65, 95}, {66, 2031, 106}, {2032, 2197, 100}, {2198, 2200, 0}};
  for (const auto& g : gradients) {
    for (int i = g.first; i <= g.last; ++i) ASSERT_EQ(m.celle[i].pendenza, g.pendenza) << i;
  }

  // The mountain stretch: type 1 over cells 174..220, markers every fourth.
  EXPECT_EQ(m.mountain_count, 1);
  for (int i = 173; i <= 221; ++i) {
    EXPECT_EQ(m.celle[i].montagna, (i >= 174 && i <= 220) ? 1 : 0) << i;
    EXPECT_EQ(m.celle[i].oggetto == kMountainMarker, i >= 177 && i <= 217 && (i - 177) % 4 == 0) << i;
  }

  // Speed indicators at 1550 m and 39900 m.
  const Cella& first_board = m.celle[32];
  EXPECT_EQ(first_board.oggetto, kSpeedIndicator);
  EXPECT_EQ(first_board.valore1, 2500);
  EXPECT_EQ(first_board.valore2, 2700);
  EXPECT_EQ(first_board.valore3, 2700);
  EXPECT_EQ(first_board.valore4, 0);
  EXPECT_EQ(m.celle[799].valore1, 2000);

  // Direction signs from record 80 down.
  const struct {
    int cell, slot;
    const char* text;
  } signs[] = {{27, 80, "(diramazione)(per  ORVELA)"},
               {59, 79, "(PL km)(1+522)"},
               {1339, 78, "(diramazioni)(per  ORVELA)(per  BRASCO)"}};
  for (const auto& sign : signs) {
    EXPECT_EQ(m.celle[sign.cell].oggetto, kDirectionSign) << sign.text;
    EXPECT_EQ(m.celle[sign.cell].valore1, sign.slot) << sign.text;
    EXPECT_EQ(m.record[sign.slot].nome_punto, sign.text);
  }
  EXPECT_EQ(m.next_sign_slot, 77);

  // "curvaS3, 4000, 600" turns the heading left by 600 * 0.0004 rad.
  const auto step = [&](size_t c) {
    return std::pair{coordinate(m.geometry.x[c]) - coordinate(m.geometry.x[c - 1]),
                     coordinate(m.geometry.y[c]) - coordinate(m.geometry.y[c - 1])};
  };
  const auto [ax, ay] = step(4000);
  const auto [bx, by] = step(4600);
  const double turn = std::atan2(ax * by - ay * bx, ax * bx + ay * by);
  EXPECT_NEAR(turn, 0.24, 1e-6);
  EXPECT_EQ(step(4601), step(4602));  // straight again after the curve

  // The path runs straight on to two points before the end.
  EXPECT_TRUE(std::holds_alternative<double>(m.geometry.x[109998]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(m.geometry.x[109999]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(m.geometry.y[110000]));
  EXPECT_EQ(m.indice_svolta, 0);
}

TEST(LineReader, EveryErrorHasItsNumberPositionAndLine) {
  const std::string general = "[generale]\nlunghezza percorso, 103000\n";
  const struct {
    int32_t code;
    const char* what;
    std::optional<std::string> text;
    int32_t position;
    int line;
    ReadingEnd end;
    std::optional<int64_t> cell = std::nullopt;  // the cell the error concerns
  } cases[] = {
      {101, "no line description", std::nullopt, 0, 0, ReadingEnd::kNotRead},
      {102, "no [generale]", "[curve]\ncurvas4, 500, 950\n", 0, 0, ReadingEnd::kStopped},
      {102, "[generale] as the last field", "intestazione\n[generale]\n", 0, 2, ReadingEnd::kStopped},
      {102, "empty file", "", 0, 0, ReadingEnd::kStopped},
      {1, "route too long", "[generale]\nlunghezza percorso, 1000001\n[curve]\n", 0, 2, ReadingEnd::kStopped},
      {3, "first repeat distance", general + "ripetizione segnali 4 codici, 120, 0\n[curve]\n", 0, 3,
       ReadingEnd::kStopped},
      {4, "second repeat distance", general + "ripetizione segnali 4 codici, 100, 120\n[curve]\n", 0, 3,
       ReadingEnd::kStopped},
      {5, "no repeat code", general + "ripetizione segnali codici, 100, 200\n[curve]\n", 0, 3,
       ReadingEnd::kStopped},
      {15, "gradient beyond the track", line_with("pendenza, 1000, 2\npendenza, 109950, 5\n"), 109950, 5,
       ReadingEnd::kCompleted},
      {103, "curve without class", line_with("curvas, 500, 100\n"), 0, 4, ReadingEnd::kStopped},
      {103, "curve past point 1 000 000",
       "[generale]\nlunghezza percorso, 1000000\n[curve]\ncurvas1, 999990, 100\n[fine]\n", 0, 4,
       ReadingEnd::kStopped},
      {6, "sign on a sign", line_with("cartello_indicatore, 2900, (a)\ncartello_indicatore, 2910, (b)\n"), 2910,
       5, ReadingEnd::kStopped, 59},
      {21, "indicator on a sign",
       line_with("cartello_indicatore, 1550, (a)\nindicatori_vmax, 1560, 1, 1, 1, 0, , , , 0\n"), 1560, 5,
       ReadingEnd::kStopped, 32},
      {25, "reading failure", line_with("pendenza, 1500, x5\n"), 0, 4, ReadingEnd::kReadingFailure},
  };
  for (const auto& c : cases) {
    const TextRun run = read_text(c.text);
    EXPECT_EQ(run.s.codice_errore(), c.code) << c.what;
    EXPECT_EQ(run.s.posizione_errore(), c.position) << c.what;
    ASSERT_EQ(run.s.errors.all().size(), 1u) << c.what;
    const RaisedError& e = run.s.errors.all().back();
    EXPECT_EQ(e.place.line, c.line) << c.what;
    EXPECT_EQ(e.place.file, Description::kLine) << c.what;
    EXPECT_EQ(e.stage, Stage::kLineReading) << c.what;
    EXPECT_EQ(e.cell, c.cell) << c.what;
    EXPECT_EQ(run.result, c.end) << c.what;
  }
}

TEST(LineReader, TheLastAcceptedPositionIsTwoCellsBeforeTheEnd) {
  const struct {
    int32_t p, code;
  } cases[] = {{109900, 0}, {109950, 15}, {-100, 0}};
  for (const auto& c : cases) {
    const TextRun run = read_text(line_with("pendenza, " + std::to_string(c.p) + ", 3\n"));
    EXPECT_EQ(run.result, ReadingEnd::kCompleted) << c.p;
    EXPECT_EQ(run.s.codice_errore(), c.code) << c.p;
  }
}

TEST(LineReader, ABeyondTheTrackRowEndsTheReadingButTheModelIsFinished) {
  const TextRun run = read_text(line_with(
      "pendenza, 1500, 4\n"
      "cartello_indicatore, 200000, (a)\n"
      "cartello_indicatore, 100, (b)\n"
      "curvad4, 10, 10\n"));
  EXPECT_EQ(run.result, ReadingEnd::kCompleted);
  EXPECT_EQ(run.s.codice_errore(), 15);
  EXPECT_EQ(run.s.posizione_errore(), 200000);
  const TrackModel& m = run.s.model;
  EXPECT_EQ(m.celle[3].oggetto, kNothing);       // the rows after it are not read
  EXPECT_EQ(m.celle[2197].pendenza, 104);        // the closing gradient fill ran
  EXPECT_EQ(coordinate(m.geometry.y[109998]), 109998.0);  // and the closing straight run
}

TEST(LineReader, PointObjectsMustLandOnTheTrack) {
  const struct {
    const char* row;
    int32_t code;
  } cases[] = {
      {"cartello_indicatore, -200, (a)\n", 15},
      {"indicatori_vmax, -100, 1, 1, 1, 0, , , , 0\n", 15},
      {"cartello_indicatore, -75, (a)\n", 0},  // -0.5 rounds to cell 0
  };
  for (const auto& c : cases) {
    const TextRun run = read_text(line_with(c.row));
    EXPECT_EQ(run.s.codice_errore(), c.code) << c.row;
    EXPECT_EQ(run.result, ReadingEnd::kCompleted) << c.row;
  }
  EXPECT_EQ(read_text(line_with("cartello_indicatore, -75, (a)\n")).s.model.celle[0].oggetto, kDirectionSign);
}

TEST(LineReader, ReadingFailures) {
  const struct {
    const char* what;
    std::string text;
    int line;
  } cases[] = {
      {"text in a numeric field", line_with("indicatori_vmax, 1550, 125, 135, abc\n"), 4},
      {"number over 32 bits", "[generale]\nlunghezza percorso, 99999999999\n", 2},
      {"values missing at the end of the file", "[generale]\nlunghezza percorso, 103000\n[curve]\npendenza, 100", 4},
      {"no route length", "[generale]\nsfondo uno, 1\n[curve]\npendenza, 0, 0\n[fine]\n", 3},
      // Found when the next change writes it: located at the gradient's own field.
      {"gradient that does not fit when written", line_with("pendenza, 0, 156\npendenza, 1500, 0\n"), 4},
      {"negative gradient that does not fit", line_with("pendenza, 0, -101\npendenza, 1500, 0\n"), 4},
      {"indicator value over 16 bits", line_with("indicatori_vmax, 1550, 1700, 0, 0, 0, , , , 0\n"), 4},
      {"progressive that cannot take its 100",
       "[generale]\nlunghezza percorso, 103000\nprogressiva chilometrica uno, 0, 2147483600, 1\n[curve]\n", 4},
      {"sign text over 65 535 bytes", line_with("cartello_indicatore, 100, " + std::string(65536, 'x') + "\n"), 4},
      // A row short of values is at fault, not the line it took them from.
      {"a keyword whose values are not there", line_with("cartello_indicatore\n(a)\n"), 4},
  };
  for (const auto& c : cases) {
    const TextRun run = read_text(c.text);
    EXPECT_EQ(run.result, ReadingEnd::kReadingFailure) << c.what;
    EXPECT_EQ(run.s.codice_errore(), 25) << c.what;
    EXPECT_EQ(error_line(run.s), c.line) << c.what;
  }
}

TEST(LineReader, WhatIsStoredBeforeAReadingFailureStays) {
  const TextRun negative = read_text("[generale]\nlunghezza percorso, -5\n[curve]\n");
  EXPECT_EQ(negative.s.codice_errore(), 25);
  EXPECT_EQ(negative.s.model.record[84].fine_zona, -5);
  EXPECT_TRUE(negative.s.model.celle.empty());

  const TextRun gradient = read_text(line_with("pendenza, 0, 4\npendenza, 100, 200\npendenza, 200, 0\n"));
  EXPECT_EQ(gradient.s.codice_errore(), 25);
  EXPECT_EQ(gradient.s.model.celle[1].pendenza, 104);
  EXPECT_EQ(gradient.s.model.celle[2].pendenza, 0);
  EXPECT_EQ(gradient.s.model.celle[2000].pendenza, 0);  // no closing fill

  const TextRun board = read_text(line_with("indicatori_vmax, 1550, 100, 1700, 0, 0, , , , 0\n"));
  EXPECT_EQ(board.s.codice_errore(), 25);
  EXPECT_EQ(board.s.model.celle[32].oggetto, kSpeedIndicator);
  EXPECT_EQ(board.s.model.celle[32].valore1, 2000);
}

TEST(LineReader, SignsFillRecords80DownTo0) {
  std::string rows;
  for (int k = 0; k < 82; ++k) rows += "cartello_indicatore, " + std::to_string(1000 + 100 * k) + ", (s" + std::to_string(k) + ")\n";
  const TextRun run = read_text(line_with(rows));
  const TrackModel& m = run.s.model;
  EXPECT_EQ(run.s.codice_errore(), 25);
  EXPECT_EQ(m.record[80].nome_punto, "(s0)");
  EXPECT_EQ(m.record[0].nome_punto, "(s80)");
  EXPECT_EQ(m.celle[1000 / 50 + 1 + 2 * 80].valore1, 0);
  EXPECT_EQ(m.celle[1000 / 50 + 1 + 2 * 81].oggetto, kNothing);  // the 82nd is refused before any write
  EXPECT_EQ(m.next_sign_slot, -1);
}

TEST(LineReader, PlacementsOnOccupiedCells) {
  const struct {
    const char* what;
    const char* rows;
    int cell;
    uint8_t oggetto;
    int32_t code, position;
  } cases[] = {
      {"sign on a mountain marker", "montagna, 0, 1000, 11\ncartello_indicatore, 100, (a)\n", 3, kDirectionSign, 0,
       0},
      {"indicator on a mountain marker", "montagna, 0, 1000, 11\nindicatori_vmax, 100, 1, 1, 1, 0, , , , 0\n", 3,
       kSpeedIndicator, 0, 0},
      {"sign on an indicator", "indicatori_vmax, 100, 1, 1, 1, 0, , , , 0\ncartello_indicatore, 110, (a)\n", 3,
       kSpeedIndicator, 6, 110},
      {"indicator on an indicator",
       "indicatori_vmax, 100, 1, 1, 1, 0, , , , 0\nindicatori_vmax, 90, 2, 2, 2, 0, , , , 0\n", 3,
       kSpeedIndicator, 21, 90},
  };
  for (const auto& c : cases) {
    const TextRun run = read_text(line_with(c.rows));
    EXPECT_EQ(run.s.model.celle[c.cell].oggetto, c.oggetto) << c.what;
    EXPECT_EQ(run.s.codice_errore(), c.code) << c.what;
    EXPECT_EQ(run.s.posizione_errore(), c.position) << c.what;
    EXPECT_EQ(run.result, c.code == 0 ? ReadingEnd::kCompleted : ReadingEnd::kStopped) << c.what;
  }
}

TEST(LineReader, GeneralSectionRows) {
  const struct {
    const char* rows;
    int32_t length;
    std::array<int32_t, 3> r85, r86;
  } cases[] = {
      {"LUNGHEZZA Percorso, 5000\n", 5000, {0, 0, 0}, {0, 0, 0}},
      {"sfondo uno, 1\nsfondo due, 2\nsfondo tre, 3\n", 103000, {1, 3, 2}, {0, 0, 0}},
      {"Sfondo uno, 1\nsfondo DUE, 2\n", 103000, {0, 0, 0}, {0, 0, 0}},  // exact case: not recognised
      {"ripetizione segnali 4 codici, 100, 200\n", 103000, {0, 0, 0}, {100, 200, 4}},
      {"ripetizione segnali 9 codici, -100, 250\n", 103000, {0, 0, 0}, {-100, 250, 9}},
      {"ripetizione segnali 49, 50, 50\n", 103000, {0, 0, 0}, {50, 50, 4}},
      {"ripetizione segnali 9 codici, 50, 0\n", 103000, {0, 0, 0}, {50, 0, 0}},
      {"ripetizione segnali 4 codici,    0    ,0\n", 103000, {0, 0, 0}, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    const TextRun run = read_text(std::string("[generale]\nlunghezza percorso, 103000\n") + c.rows + "[curve]\n");
    const TrackModel& m = run.s.model;
    EXPECT_EQ(run.s.codice_errore(), 0) << c.rows;
    EXPECT_EQ(m.record[84].fine_zona, c.length) << c.rows;
    EXPECT_EQ(m.last_cell, (c.length + 7000) / 50) << c.rows;
    const Record& r85 = m.record[85];
    const Record& r86 = m.record[86];
    EXPECT_EQ((std::array<int32_t, 3>{r85.inizio_zona, r85.fine_zona, r85.posizione_punto}), c.r85) << c.rows;
    EXPECT_EQ((std::array<int32_t, 3>{r86.inizio_zona, r86.fine_zona, r86.posizione_punto}), c.r86) << c.rows;
  }
}

TEST(LineReader, SeparatorFieldsArePassedOverUpToALimit) {
  const auto dashes = [](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "-----\n";
    return s;
  };
  // In the main part up to two separators: after them a keyword holding "-"
  // is interpreted, otherwise it is a separator itself.
  for (int n = 0; n <= 3; ++n) {
    const TextRun run = read_text(line_with(dashes(n) + "pendenza-x, 1500, 5\npendenza, 3000, 0\n"));
    EXPECT_EQ(run.s.model.celle[30].pendenza, n == 2 ? 105 : 100) << n;
  }
  // In the general section up to ten.
  for (int n = 9; n <= 11; ++n) {
    const TextRun run =
        read_text("[generale]\nlunghezza percorso, 103000\n" + dashes(n) + "lunghezza-percorso, 5000\n[curve]\n");
    EXPECT_EQ(run.s.model.record[84].fine_zona, n == 10 ? 5000 : 103000) << n;
  }
}

TEST(LineReader, TheLastFieldOfTheFileIsNeverInterpreted) {
  const TextRun run = read_text("[generale]\nlunghezza percorso, 103000\n[curve]\ncartello_indicatore\n");
  EXPECT_EQ(run.result, ReadingEnd::kCompleted);
  EXPECT_EQ(run.s.codice_errore(), 0);
  const TextRun skipped = read_text("[generale]\nlunghezza percorso, 103000\n[curve]\n-----\npendenza\n");
  EXPECT_EQ(skipped.s.codice_errore(), 0);
}

TEST(LineReader, GradientFill) {
  // Changes at 0 write nothing: the last of them holds from cell 0.
  const TextRun start = read_text(line_with("pendenza, 0, 4\npendenza, 0, 6\npendenza, 1500, 0\n"));
  EXPECT_EQ(start.s.model.celle[0].pendenza, 106);
  EXPECT_EQ(start.s.model.celle[29].pendenza, 106);
  EXPECT_EQ(start.s.model.celle[30].pendenza, 100);

  // A change at the cursor still writes one cell.
  const TextRun same = read_text(line_with("pendenza, 1500, 5\npendenza, 1500, 7\npendenza, 3000, 0\n"));
  EXPECT_EQ(same.s.model.celle[29].pendenza, 100);
  EXPECT_EQ(same.s.model.celle[30].pendenza, 105);
  EXPECT_EQ(same.s.model.celle[31].pendenza, 107);

  // Route 0: cells 0..140. Repeated changes at 6900 m push the cursor past
  // the last cell; the cells beyond are passed over.
  const TextRun tail = read_text(
      "[generale]\nlunghezza percorso, 0\n[curve]\n"
      "pendenza, 6900, 1\npendenza, 6900, 2\npendenza, 6900, 3\npendenza, 6900, 4\npendenza, 6900, 5\n[fine]\n");
  EXPECT_EQ(tail.s.codice_errore(), 0);
  const TrackModel& m = tail.s.model;
  EXPECT_EQ(m.celle[137].pendenza, 100);
  EXPECT_EQ(m.celle[138].pendenza, 101);
  EXPECT_EQ(m.celle[139].pendenza, 102);
  EXPECT_EQ(m.celle[140].pendenza, 103);

  // The closing fill writes at least the cursor's cell.
  const TextRun last = read_text("[generale]\nlunghezza percorso, 0\n[curve]\npendenza, 6900, 4\n[fine]\n");
  EXPECT_EQ(last.s.model.celle[137].pendenza, 100);
  EXPECT_EQ(last.s.model.celle[138].pendenza, 104);
  EXPECT_EQ(last.s.model.celle[139].pendenza, 0);
}

TEST(LineReader, CurvesAndTheGeometrySwitch) {
  // Without geometry a curve row is not a row: no 103 for a missing class.
  const TextRun off = read_text(line_with("curvas, 500, 100\n"), false);
  EXPECT_EQ(off.s.codice_errore(), 0);
  EXPECT_FALSE(off.s.model.geometry.exists());

  // A curve running past the end of the array keeps its points up to it.
  const TextRun past = read_text("[generale]\nlunghezza percorso, 0\n[curve]\ncurvad4, 6800, 5000\n[fine]\n");
  EXPECT_EQ(past.s.codice_errore(), 0);
  EXPECT_TRUE(std::holds_alternative<double>(past.s.model.geometry.x[7000]));

  // The turn index belongs to this reading.
  TextRun turn;
  turn.s.model.indice_svolta = 5;
  turn.s.model.next_sign_slot = 10;
  read_line(turn.s, DescriptionText::of(line_with("curvad6, 100, 1000\n")));
  EXPECT_GT(turn.s.model.indice_svolta, 600);
  read_line(turn.s, DescriptionText::of(line_with("cartello_indicatore, 100, (a)\n")));
  EXPECT_EQ(turn.s.model.indice_svolta, 0);
  EXPECT_EQ(turn.s.model.celle[3].valore1, 80);
}

}  // namespace
}  // namespace scenario
