#include "compiler/output/header.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

Stato scenario_model() {
  Stato s;
  create_model(s.modello, 1000, false);
  s.modello.record[85].nome_punto = "Montebrisca_Lurna";
  s.modello.record[86].nome_punto = "7395";
  return s;
}

TEST(StampHeader, StampsValuesAndCodes) {
  Stato s = scenario_model();
  ASSERT_EQ(stamp_header(s), 0);
  // Key "7395montebrisca_lurnaaabb": plain 2422, weighted 33220.
  EXPECT_EQ(s.modello.record[85].dato_4, 610);
  EXPECT_EQ(s.modello.record[85].orario, 33220);
  EXPECT_EQ(s.modello.celle[1].valore1, 5121);
  EXPECT_EQ(s.modello.celle[1].valore2, 2422);
  EXPECT_EQ(s.chiave_gara.substr(0, 25), "7395montebrisca_lurnaaabb");
}

TEST(StampHeader, OccupiedSlotsAreFatalAndLeaveTheModelAlone) {
  const struct {
    const char* name;
    void (*occupy)(Modello&);
    int fatal;
  } cases[] = {
      {"record 85 dato_4", [](Modello& m) { m.record[85].dato_4 = 1; }, 1250},
      {"cell 1 valore1", [](Modello& m) { m.celle[1].valore1 = -1; }, 1250},
      {"record 85 orario", [](Modello& m) { m.record[85].orario = 1; }, 1251},
      {"cell 1 valore2", [](Modello& m) { m.celle[1].valore2 = 7; }, 1251},
      {"both pairs: the first wins",
       [](Modello& m) {
         m.celle[1].valore1 = 5121;
         m.celle[1].valore2 = 2422;
       },
       1250},
  };
  for (const auto& c : cases) {
    Stato s = scenario_model();
    c.occupy(s.modello);
    const Record before85 = s.modello.record[85];
    const Cella before1 = s.modello.celle[1];
    EXPECT_EQ(stamp_header(s), c.fatal) << c.name;
    EXPECT_EQ(s.modello.record[85].dato_4, before85.dato_4) << c.name;
    EXPECT_EQ(s.modello.record[85].orario, before85.orario) << c.name;
    EXPECT_EQ(s.modello.celle[1].valore1, before1.valore1) << c.name;
    EXPECT_EQ(s.modello.celle[1].valore2, before1.valore2) << c.name;
    EXPECT_EQ(s.chiave_gara, "") << c.name;
  }
}

}  // namespace
}  // namespace scenario
