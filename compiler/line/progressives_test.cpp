#include "compiler/line/progressives.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

using Triple = std::array<int32_t, 3>;

struct Case {
  const char* name;
  Triple tre, due, uno;            // as read: records 81, 82, 83
  Triple slot81, slot82, slot83;   // after ordering
  ProgressiveSources sources;      // the record each came from, 0 when cleared
};

void put(Record& r, const Triple& t) {
  r.inizio_zona = t[0];
  r.fine_zona = t[1];
  r.posizione_punto = t[2];
}

Triple get(const Record& r) { return {r.inizio_zona, r.fine_zona, r.posizione_punto}; }

TEST(SortProgressives, OrdersAndAdjustsTheThreeProgressives) {
  const Triple zero{0, 0, 0};
  const Case cases[] = {
      {"scenario: due is strictly furthest, tre and uno tie below it",
       zero, {1500, -1500, 0}, {0, 90000, 1},
       {1500, -1500, 0}, {0, 90100, 1}, zero, {82, 83, 81}},
      {"positions adding to 0 go by kilometre, not by position",
       {-1500, 5000, 0}, {1500, 7000, 0}, {0, 0, 0},
       {1500, 7000, 0}, {-1500, 5000, 0}, zero, {82, 81, 83}},
      {"uno is preferred over due and tre",
       {0, 10, 0}, {0, 20, 0}, {0, 30, 1},
       {0, 130, 1}, {0, 20, 0}, {0, 10, 0}, {83, 82, 81}},
      {"tre alone",
       {0, 10, 0}, {0, -5, 0}, {0, 0, 0},
       {0, 10, 0}, {0, -5, 0}, zero, {81, 82, 83}},
      {"sum 0 with no positive kilometre clears all",
       {0, -10, 1}, {0, 0, 0}, {0, -20, 0},
       {0, 0, 0}, zero, zero, {0, 0, 0}},
      {"all absent", zero, zero, zero, zero, zero, zero, {0, 0, 0}},
      {"largest position first, then the next",
       {100, 1, 0}, {300, 2, 0}, {200, 3, 1},
       {300, 2, 0}, {200, 103, 1}, {100, 1, 0}, {82, 83, 81}},
      {"tre largest, uno before due",
       {300, 1, 0}, {100, 2, 0}, {200, 3, 0},
       {300, 1, 0}, {200, 3, 0}, {100, 2, 0}, {81, 83, 82}},
      {"uno largest, a tie below keeps due first",
       {100, 1, 0}, {100, 2, 0}, {300, 3, 0},
       {300, 3, 0}, {100, 2, 0}, {100, 1, 0}, {83, 82, 81}},
      {"two sharing the largest position clear all",
       {500, 1, 1}, {500, 2, 0}, {100, 3, 0},
       zero, zero, zero, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    TrackModel m;
    put(m.record[81], c.tre);
    put(m.record[82], c.due);
    put(m.record[83], c.uno);
    EXPECT_EQ(sort_progressives(m), c.sources) << c.name;
    EXPECT_EQ(get(m.record[81]), c.slot81) << c.name;
    EXPECT_EQ(get(m.record[82]), c.slot82) << c.name;
    EXPECT_EQ(get(m.record[83]), c.slot83) << c.name;
  }
}

TEST(SortProgressives, AnAdjustmentThatDoesNotFitFailsAfterTheOrdering) {
  TrackModel m;
  put(m.record[81], {100, 2147483600, 1});
  put(m.record[82], {300, 5, 1});
  put(m.record[83], {200, 7, 1});
  EXPECT_THROW(sort_progressives(m), ReadFailure);
  // Ordered, and the records before the one that overflowed adjusted.
  EXPECT_EQ(get(m.record[81]), (Triple{300, 105, 1}));
  EXPECT_EQ(get(m.record[82]), (Triple{200, 107, 1}));
  EXPECT_EQ(get(m.record[83]), (Triple{100, 2147483600, 1}));
}

}  // namespace
}  // namespace scenario
