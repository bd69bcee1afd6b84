#include "compiler/train/signals.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "compiler/train/train_reader.h"
#include "compiler/train/train_test_support.h"

namespace scenario {
namespace {

using testing::error_line;
using testing::read_train_text;
using testing::route_state;

// The row's values after the position, in row order.
struct SignalValues {
  int32_t sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

bool place(CompilationState& s, int32_t posizione, const SignalValues& v) {
  return place_signal(s.model, {posizione, v.sx, v.s1, v.s2, v.s3, v.rapp, v.dx, v.d1, v.d2, v.d3, v.tempo});
}

TEST(PlaceSignal, PacksTheAspectsAndMarksTheApproach) {
  const struct {
    const char* name;
    int32_t posizione;
    SignalValues values;
    int64_t cell;
    std::array<int16_t, 4> cell_values;
    std::vector<std::pair<int64_t, uint8_t>> approach;  // cell, preavviso
  } cases[] = {
      {"left signal at 2800", 2800, {1, 4, 0, 0, 0, 0, 0, 0, 0, 0}, 57, {40, 0, 0, 3},
       {{55, 31}, {53, 32}, {51, 33}, {49, 34}}},
      {"both sides", 40050, {1, 5, 6, 0, 0, 1, 3, 1, 0, 0}, 802, {53, 61, 0, 4},
       {{800, 41}, {798, 42}, {796, 43}, {794, 44}}},
      {"kind 2 on both sides", 41300, {2, 2, 4, 0, 0, 2, 2, 1, 0, 0}, 827, {22, 41, 0, 8},
       {{825, 81}, {823, 82}, {821, 83}, {819, 84}}},
      {"words keep their low 16 bits", 5000, {0, 3277, 0, 0, 4000, 1, 0, 0, 0, 0}, 101, {-32766, 0, 0, -25535},
       {{99, 10 + 1}, {93, 10 + 4}}},
      {"approach bytes keep their low 8 bits", 5000, {30, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 101, {0, 0, 0, 90},
       {{99, (900 + 1) % 256}}},
      {"approach cells before the track are skipped", 250, {1, 4, 0, 0, 0, 0, 0, 0, 0, 0}, 6, {40, 0, 0, 3},
       {{4, 31}, {2, 32}, {0, 33}}},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    EXPECT_TRUE(place(s, c.posizione, c.values)) << c.name;
    const Cella& cell = s.model.celle[c.cell];
    EXPECT_EQ(cell.oggetto, kSignal) << c.name;
    EXPECT_EQ(cell.valore1, c.cell_values[0]) << c.name;
    EXPECT_EQ(cell.valore2, c.cell_values[1]) << c.name;
    EXPECT_EQ(cell.valore3, c.cell_values[2]) << c.name;
    EXPECT_EQ(cell.valore4, c.cell_values[3]) << c.name;
    for (const auto& [at, code] : c.approach) EXPECT_EQ(s.model.celle[at].preavviso, code) << c.name << " " << at;
  }
}

TEST(PlaceSignal, TempoIsRaisedTo101AndKeptOnlyForKind2) {
  const struct {
    int32_t sx, tempo;
    uint8_t tempo_segnale;
  } cases[] = {
      {2, 50, 101}, {2, 1, 101},  {2, 100, 101}, {2, 210, 210}, {2, 0, 0},
      {2, -5, 251}, {2, 300, 44}, {1, 50, 0},    {1, 210, 0},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    place(s, 2800, {c.sx, 4, 0, 0, 0, 0, 0, 0, 0, c.tempo});
    EXPECT_EQ(s.model.celle[57].tempo_segnale, c.tempo_segnale) << c.sx << " " << c.tempo;
  }
}

TEST(PlaceSignal, OnlyFreeCellsTakeASignal) {
  for (const uint8_t code : {kSignal, kSlowdownStart, kSpeedIndicator, kStationStop, kDirectionSign,
                             kMountainMarker}) {
    CompilationState s = route_state();
    s.model.celle[57].oggetto = code;
    s.model.celle[57].valore1 = 7;
    const bool free = code == kMountainMarker;
    EXPECT_EQ(place(s, 2800, {1, 4, 0, 0, 0, 0, 0, 0, 0, 0}), free) << int{code};
    EXPECT_EQ(s.model.celle[57].oggetto, free ? uint8_t{kSignal} : code) << int{code};
    EXPECT_EQ(s.model.celle[57].valore1, free ? 40 : 7) << int{code};
    EXPECT_EQ(s.model.celle[55].preavviso, free ? 31 : 0) << int{code};
  }
}

TEST(PlaceSignal, ApproachCodesOverwriteWhateverIsThere) {
  CompilationState s = route_state();
  s.model.celle[55].oggetto = kSignal;
  s.model.celle[55].preavviso = 84;
  EXPECT_TRUE(place(s, 2800, {1, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(s.model.celle[55].preavviso, 31);
}

TEST(SignalRow, OccupiedCellEndsTheReadingAtTheSignal) {
  CompilationState s = route_state();
  const auto result = read_train_text(
      s, testing::train_text({"velocita, 0, 80", "segnale, 2800, 1,4,0, 0,0, 0, 0,0,0, 0",
                              "segnale, 2790, 2,2,0, 0,0, 0, 0,0,0, 0", "vetture, 5"}));
  EXPECT_EQ(result, ReadingEnd::kStopped);
  EXPECT_EQ(s.codice_errore(), 16);
  EXPECT_EQ(s.posizione_errore(), 2790);
  EXPECT_EQ(error_line(s), 4);
  EXPECT_EQ(s.model.celle[57].valore1, 40);          // the first signal stays
  EXPECT_EQ(s.model.record[84].posizione_punto, 0);  // later rows are not read
  EXPECT_EQ(s.model.celle[0].velocita, 0);           // no fills
}

}  // namespace
}  // namespace scenario
