#include "compiler/train/slowdowns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compiler/train/train_reader.h"
#include "compiler/train/train_test_support.h"

namespace scenario {
namespace {

using testing::error_line;
using testing::read_train_text;
using testing::route_state;
using testing::train_text;

struct Slowdown {
  int32_t x, v, l, f_tt, f_ta, d_v;
};

SlowdownPlacement place(CompilationState& s, Slowdown w) {
  return place_slowdown(s.model, {w.x, w.v, w.l, w.f_tt, w.f_ta, w.d_v});
}

// The number of the error a placement found, 0 for none.
int32_t error_of(const SlowdownPlacement& p) { return p.error ? number(*p.error) : 0; }

struct Placed {
  int64_t cell;
  uint8_t oggetto;
  int16_t valore1, valore2, valore3;
};

// Checks the listed cells and that no other cell holds an object.
void expect_cells(const CompilationState& s, const std::vector<Placed>& expected, const std::string& name) {
  for (const Placed& p : expected) {
    const Cella& c = s.model.celle[p.cell];
    EXPECT_EQ(c.oggetto, p.oggetto) << name << " cell " << p.cell;
    EXPECT_EQ(c.valore1, p.valore1) << name << " cell " << p.cell;
    EXPECT_EQ(c.valore2, p.valore2) << name << " cell " << p.cell;
    EXPECT_EQ(c.valore3, p.valore3) << name << " cell " << p.cell;
  }
  size_t objects = 0;
  for (const Cella& c : s.model.celle) objects += c.oggetto != kNothing;
  EXPECT_EQ(objects, expected.size()) << name;
}

TEST(PlaceSlowdown, PlacesBoardsStartEndAndApproach) {
  const struct {
    const char* name;
    Slowdown slowdown;
    std::vector<Placed> cells;
  } cases[] = {
      {"data set row",
       {93650, 40, 200, 0, 1, 0},
       {{1850, 4, 40, 0, 0},
        {1874, 3, 40, 0, 0},
        {1878, 2, 40, 0, 0},
        {1849, 5, 1, 0, 0},
        {1848, 5, 2, 0, 0},
        {1847, 5, 3, 0, 0},
        {1846, 5, 4, 0, 0}}},
      {"no warning and no approach at 1500", {1500, 60, 200, 0, 1, 0}, {{31, 3, 60, 0, 0}, {35, 2, 60, 0, 0}}},
      {"both from 1550",
       {1550, 60, 200, 0, 1, 0},
       {{8, 4, 60, 0, 0},
        {32, 3, 60, 0, 0},
        {36, 2, 60, 0, 0},
        {7, 5, 1, 0, 0},
        {6, 5, 2, 0, 0},
        {5, 5, 3, 0, 0},
        {4, 5, 4, 0, 0}}},
      {"no approach without f_ta",
       {93650, 40, 200, 0, 0, 0},
       {{1850, 4, 40, 0, 0}, {1874, 3, 40, 0, 0}, {1878, 2, 40, 0, 0}}},
      {"second speed and f_tt",
       {93650, 40, 200, 7, 1, 30},
       {{1850, 4, 40, 30, 0},
        {1874, 3, 40, 30, 7},
        {1878, 2, 40, 30, 7},
        {1849, 5, 1, 1, 0},
        {1848, 5, 2, 2, 0},
        {1847, 5, 3, 3, 0},
        {1846, 5, 4, 4, 0}}},
      {"values keep their low 16 bits",
       {93650, 70000, 200, -1, 0, 65537},
       {{1850, 4, 4464, 1, 0}, {1874, 3, 4464, 1, -1}, {1878, 2, 4464, 1, -1}}},
      {"shorter than a cell: the start wins", {5000, 40, 20, 3, 0, 0}, {{77, 4, 40, 0, 0}, {101, 3, 40, 0, 3}}},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    const SlowdownPlacement placed = place(s, c.slowdown);
    EXPECT_EQ(error_of(placed), 0) << c.name;
    EXPECT_EQ(placed.placed.size(), c.cells.size()) << c.name;
    expect_cells(s, c.cells, c.name);
  }
}

TEST(PlaceSlowdown, OccupiedCells) {
  const Slowdown data_set{93650, 40, 200, 0, 1, 0};
  const struct {
    const char* name;
    Slowdown slowdown;
    int64_t occupied;
    uint8_t code;
    int32_t error;
    std::vector<int64_t> written;  // cells holding a slowdown object afterwards
  } cases[] = {
      {"warning", data_set, 1850, kSignal, 17, {}},
      {"start", data_set, 1874, kSignal, 18, {}},
      {"end", data_set, 1878, kStationStop, 19, {}},
      {"approach: the rest stays written", data_set, 1847, kSpeedIndicator, 20, {1850, 1874, 1878}},
      {"mountain markers are free", data_set, 1874, kMountainMarker, 0, {1850, 1874, 1878, 1849, 1848, 1847, 1846}},
      {"no warning cell at 1500", {1500, 60, 200, 0, 1, 0}, 7, kSignal, 0, {31, 35}},
      {"approach starting on the board", {1575, 60, 200, 0, 1, 0}, 0, kNothing, 20, {8, 32, 36}},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    s.model.celle[c.occupied].oggetto = c.code;
    const SlowdownPlacement placed = place(s, c.slowdown);
    EXPECT_EQ(error_of(placed), c.error) << c.name;
    if (c.error != 0 && c.code != kNothing) {
      EXPECT_EQ(placed.error_cell, c.occupied) << c.name;
    }
    std::vector<int64_t> written;
    for (int64_t i = 0; i <= s.model.last_cell; ++i) {
      const uint8_t o = s.model.celle[i].oggetto;
      if (o >= kSlowdownEnd && o <= kSlowdownApproach) written.push_back(i);
    }
    std::sort(written.begin(), written.end());
    std::vector<int64_t> expected = c.written;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(written, expected) << c.name;
    std::vector<int64_t> reported = placed.placed;
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, expected) << c.name;
  }
}

TEST(SlowdownRow, OccupiedCellEndsTheReadingAtX) {
  CompilationState s = route_state();
  const auto result = read_train_text(
      s, train_text({"velocita, 0, 80", "segnale, 93650, 1,4,0, 0,0, 0, 0,0,0, 0",
                     "rallentamento, 93650, 40, 200, 0, 1, 0", "vetture, 5"}));
  EXPECT_EQ(result, ReadingEnd::kStopped);
  EXPECT_EQ(s.codice_errore(), 18);
  EXPECT_EQ(s.posizione_errore(), 93650);
  EXPECT_EQ(error_line(s), 4);
  EXPECT_EQ(s.model.record[84].posizione_punto, 0);
  EXPECT_EQ(s.model.celle[0].velocita, 0);
}

TEST(SpeedReductionRow, PlacesASpeedReductionPointWithoutTheExtraCell) {
  const struct {
    std::string row;
    int64_t cell;
    uint8_t oggetto;
    int16_t valore1;
  } cases[] = {
      {"abbattimento, 1500, 25", 30, kReductionPositive, 25},
      {"abbattimento, 1525, 25", 30, kReductionPositive, 25},  // 30.5 rounds to 30
      {"abbattimento, 1500, 0", 30, kReductionZero, 9},         // valore1 as it was
      {"abbattimento, 1500, -3", 30, kReductionZero, 9},
      {"abbattimento, 1500, 70000", 30, kReductionPositive, 4464},
      {"abbattimento, 0, 1", 0, kReductionPositive, 1},
  };
  for (const auto& c : cases) {
    CompilationState s = route_state();
    s.model.celle[c.cell].oggetto = kMountainMarker;
    s.model.celle[c.cell].valore1 = 9;
    EXPECT_EQ(read_train_text(s, train_text({c.row})), ReadingEnd::kCompleted) << c.row;
    EXPECT_EQ(s.codice_errore(), 0) << c.row;
    EXPECT_EQ(s.model.celle[c.cell].oggetto, c.oggetto) << c.row;
    EXPECT_EQ(s.model.celle[c.cell].valore1, c.valore1) << c.row;
  }
}

TEST(SpeedReductionRow, OccupiedCellIsError7) {
  CompilationState s = route_state();
  const auto result =
      read_train_text(s, train_text({"segnale, 1950, 1,4,0, 0,0, 0, 0,0,0, 0", "abbattimento, 2000, 5", "vetture, 5"}));
  EXPECT_EQ(result, ReadingEnd::kStopped);
  EXPECT_EQ(s.codice_errore(), 7);
  EXPECT_EQ(s.posizione_errore(), 2000);
  EXPECT_EQ(error_line(s), 3);
  EXPECT_EQ(s.model.celle[40].oggetto, kSignal);
  EXPECT_EQ(s.model.record[84].posizione_punto, 0);
}

// Unlike signal and slowdown rows, an abbattimento row does not stop on an
// error left by the line reader.
TEST(SpeedReductionRow, EarlierErrorDoesNotStopIt) {
  CompilationState s = route_state();
  testing::raise_line_error(s, 109950);
  EXPECT_EQ(read_train_text(s, train_text({"abbattimento, 2000, 5", "vetture, 5"})), ReadingEnd::kCompleted);
  EXPECT_EQ(s.codice_errore(), 15);
  EXPECT_EQ(s.model.celle[40].oggetto, kReductionPositive);
  EXPECT_EQ(s.model.record[84].posizione_punto, 5);
}

}  // namespace
}  // namespace scenario
