#include "compiler/output/header.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TrackModel scenario_model() {
  TrackModel m;
  create_model(m, 1000, false);
  m.record[85].nome_punto = "Montebrisca_Lurna";
  m.record[86].nome_punto = "7395";
  return m;
}

TEST(StampHeader, StampsValuesAndCodes) {
  TrackModel m = scenario_model();
  ASSERT_EQ(stamp_header(m), std::nullopt);
  // Key "7395montebrisca_lurnaaabb": plain 2422, weighted 33220.
  EXPECT_EQ(m.record[85].dato_4, 610);
  EXPECT_EQ(m.record[85].orario, 33220);
  EXPECT_EQ(m.celle[1].valore1, 5121);
  EXPECT_EQ(m.celle[1].valore2, 2422);
}

TEST(StampHeader, OccupiedSlotsAreFatalAndLeaveTheModelAlone) {
  const struct {
    const char* name;
    void (*occupy)(TrackModel&);
    ErrorCode fatal;
  } cases[] = {
      {"record 85 dato_4", [](TrackModel& m) { m.record[85].dato_4 = 1; }, ErrorCode::kHeaderValuesInUse},
      {"cell 1 valore1", [](TrackModel& m) { m.celle[1].valore1 = -1; }, ErrorCode::kHeaderValuesInUse},
      {"record 85 orario", [](TrackModel& m) { m.record[85].orario = 1; }, ErrorCode::kHeaderCodesInUse},
      {"cell 1 valore2", [](TrackModel& m) { m.celle[1].valore2 = 7; }, ErrorCode::kHeaderCodesInUse},
      {"both pairs: the first wins",
       [](TrackModel& m) {
         m.celle[1].valore1 = 5121;
         m.celle[1].valore2 = 2422;
       },
       ErrorCode::kHeaderValuesInUse},
  };
  for (const auto& c : cases) {
    TrackModel m = scenario_model();
    c.occupy(m);
    const Record before85 = m.record[85];
    const Cella before1 = m.celle[1];
    EXPECT_EQ(stamp_header(m), c.fatal) << c.name;
    EXPECT_EQ(m.record[85].dato_4, before85.dato_4) << c.name;
    EXPECT_EQ(m.record[85].orario, before85.orario) << c.name;
    EXPECT_EQ(m.celle[1].valore1, before1.valore1) << c.name;
    EXPECT_EQ(m.celle[1].valore2, before1.valore2) << c.name;
  }
}

}  // namespace
}  // namespace scenario
