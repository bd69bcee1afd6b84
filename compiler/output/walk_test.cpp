#include "compiler/output/walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario {
namespace {

// An object placed by hand before the walk.
struct Placed {
  int cell;
  uint8_t code;
  int16_t value = 0;
};

constexpr int kLast = 140;  // a route of length 0 has cells 0..140

// Each object is placed by the train description's row numbered as its cell.
CompilationState walked(const std::vector<Placed>& track) {
  CompilationState s;
  s.build_geometry = false;
  create_track(s, 0);
  for (const Placed& p : track) {
    s.model.celle[static_cast<size_t>(p.cell)].oggetto = p.code;
    s.model.celle[static_cast<size_t>(p.cell)].valore1 = p.value;
    s.origins.cella[static_cast<size_t>(p.cell)] = Place{Description::kTrain, p.cell, 1};
  }
  walk_track(s);
  return s;
}

// Cells that the walk turned into markers, ascending; each must hold 180.
std::vector<int> new_markers(const CompilationState& s, const std::vector<Placed>& track) {
  std::vector<int> cells;
  for (int i = 0; i <= kLast; ++i) {
    const Cella& c = s.model.celle[static_cast<size_t>(i)];
    bool placed_as_marker = false;
    for (const Placed& p : track) placed_as_marker |= p.cell == i && p.code == kReductionPositive;
    if (c.oggetto == kReductionPositive && !placed_as_marker) {
      cells.push_back(i);
      EXPECT_EQ(c.valore1, 180) << "cell " << i;
    }
  }
  return cells;
}

struct WalkCase {
  std::string name;
  std::vector<Placed> track;
  std::vector<int> markers;
  int error = 0;
  int error_cell = 0;
  int object_cell = 0;  // the signal or slowdown start the error is about
};

constexpr uint8_t S = kSignal, E = kSlowdownEnd, B = kSlowdownStart, W = kSlowdownWarning,
                  I = kSpeedIndicator, M = kReductionPositive, F = kMountainMarker;

void check(const std::vector<WalkCase>& cases) {
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CompilationState s = walked(c.track);
    EXPECT_EQ(new_markers(s, c.track), c.markers);
    EXPECT_EQ(s.codice_errore(), c.error);
    EXPECT_EQ(s.posizione_errore(), c.error_cell * 50);
    ASSERT_EQ(s.errors.all().size(), c.error ? 1u : 0u);
    if (c.error) {
      const RaisedError& e = s.errors.all().back();
      EXPECT_EQ(e.stage, Stage::kRouteWalk);
      EXPECT_EQ(e.cell, c.error_cell);
      // Located at the row that placed the object concerned.
      EXPECT_EQ(e.place, (Place{Description::kTrain, c.object_cell, 1}));
    }
  }
}

TEST(WalkWarning, SignalsUpToTwentyCellsBackGetAMarker) {
  check({
      {"warning at 3 looks at nothing", {{2, S}, {3, W}}, {}},
      {"signal at 3 is the lowest looked at", {{3, S}, {4, W}}, {2}},
      {"20 cells back yes, 21 no", {{10, S}, {30, W}, {60, S}, {81, W}}, {9}},
      {"every signal in reach", {{20, S}, {25, S}, {30, W}}, {19, 24}},
      {"one cell before occupied: two before", {{19, I}, {20, S}, {30, W}}, {18}},
      {"a mountain marker is free", {{19, F}, {20, S}, {30, W}}, {19}},
      {"a free cell beats an existing marker", {{19, M, 200}, {20, S}, {30, W}}, {18}},
      {"both occupied: error 11 at the signal", {{18, I}, {19, I}, {20, S}, {30, W}}, {}, 11, 20, 20},
      {"upper bound - 2 is walked", {{130, S}, {138, W}}, {129}},
      {"upper bound - 1 is not", {{130, S}, {139, W}}, {}},
  });
}

TEST(WalkWarning, ExistingMarkerIsLoweredTo180NeverRaised) {
  const struct {
    std::vector<Placed> track;
    int cell;
    int16_t value;
  } cases[] = {
      {{{19, M, 200}, {18, I}, {20, S}, {30, W}}, 19, 180},
      {{{19, M, 120}, {18, I}, {20, S}, {30, W}}, 19, 120},
      {{{19, I}, {18, M, 250}, {20, S}, {30, W}}, 18, 180},
      {{{19, I}, {18, M, 150}, {20, S}, {30, W}}, 18, 150},
      {{{19, M, 200}, {20, S}, {30, W}}, 19, 200},  // 18 is free: planted there instead
  };
  for (const auto& c : cases) {
    const CompilationState s = walked(c.track);
    EXPECT_EQ(s.model.celle[static_cast<size_t>(c.cell)].valore1, c.value) << c.cell;
    EXPECT_EQ(s.codice_errore(), 0);
  }
}

TEST(WalkSlowdown, ApproachGroupsBeforeTheStart) {
  // 110 km/h: approach groups only, no interval markers.
  check({
      {"start at 7: none", {{7, B, 110}}, {}},
      {"start at 8: near", {{8, B, 110}}, {3}},
      {"start at 13: near only", {{13, B, 110}}, {8}},
      {"start at 14: near and middle", {{14, B, 110}}, {3, 9}},
      {"start at 20: no far", {{20, B, 110}}, {9, 15}},
      {"start at 21: all three", {{21, B, 110}}, {3, 10, 16}},
      {"first free cell of the group", {{25, I}, {24, F}, {30, B, 110}}, {12, 19, 24}},
      {"group full: error 12 at the start", {{23, I}, {24, I}, {25, M, 180}, {30, B, 110}}, {12, 19}, 12, 30, 30},
  });
}

TEST(WalkSlowdown, IntervalMarkersOnlyBelow110) {
  check({
      {"110: none", {{30, B, 110}, {60, E}}, {12, 19, 25}},
      {"109: every 8 cells", {{30, B, 109}, {60, E}}, {12, 19, 25, 38, 46, 54}},
      {"p taken: p - 1, counting from it", {{30, B, 109}, {38, I}, {50, E}}, {12, 19, 25, 37, 45}},
      {"p, p - 1 taken: p + 1", {{30, B, 109}, {37, I}, {38, I}, {50, E}}, {12, 19, 25, 39, 47}},
      {"all taken: error 13, no more markers",
       {{30, B, 109}, {37, I}, {38, I}, {39, I}, {60, E}}, {12, 19, 25}, 13, 38, 30},
      {"end cell at p: marker just before it", {{30, B, 50}, {38, E}}, {12, 19, 25, 37}},
      {"no end: stops at the last cell", {{120, B, 50}}, {102, 109, 115, 128, 136}},
      {"no cell past the last", {{124, B, 50}, {139, I}, {140, I}}, {106, 113, 119, 132}, 13, 140, 124},
  });
}

TEST(WalkSlowdown, SignalAfterTheEnd) {
  check({
      {"signal 12 cells past the end", {{30, B, 50}, {35, E}, {47, S}}, {12, 19, 25, 46}},
      {"13 cells past: none", {{30, B, 50}, {35, E}, {48, S}}, {12, 19, 25}},
      {"only the first signal", {{30, B, 50}, {35, E}, {40, S}, {45, S}}, {12, 19, 25, 39}},
      {"one cell before taken", {{30, B, 50}, {35, E}, {39, I}, {40, S}}, {12, 19, 25, 38}},
      {"both taken: error 13 at the end cell",
       {{30, B, 50}, {35, E}, {38, I}, {39, I}, {40, S}}, {12, 19, 25}, 13, 35, 30},
      {"not for 110 and above", {{30, B, 110}, {35, E}, {40, S}}, {12, 19, 25}},
      {"search reaches the last cell", {{120, B, 50}, {135, E}, {140, S}}, {102, 109, 115, 128, 139}},
  });
}

TEST(Walk, EveryErrorIsKeptAndTheLastIsReported) {
  const CompilationState s = walked({{18, I}, {19, I}, {20, S}, {30, W}, {53, I}, {54, I}, {55, I}, {60, B, 110}});
  ASSERT_EQ(s.errors.all().size(), 2u);
  EXPECT_EQ(s.errors.all()[0].code, ErrorCode::kNoRoomBeforeSignal);
  EXPECT_EQ(s.codice_errore(), 12);
  EXPECT_EQ(s.posizione_errore(), 3000);
}

TEST(Walk, NoTrackNothingToDo) {
  CompilationState s;
  walk_track(s);
  EXPECT_TRUE(s.model.celle.empty());
  EXPECT_EQ(s.codice_errore(), 0);
}

}  // namespace
}  // namespace scenario
