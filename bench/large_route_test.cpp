// The generated route that the benchmarks time must compile cleanly and be as
// full as the generator says: a route that stopped at its first error would
// time almost nothing.
#include "bench/large_route.h"

#include <gtest/gtest.h>

#include "bench/compile_route.h"

namespace scenario::bench {
namespace {

CompilationState named_state() {
  CompilationState s;
  s.nome = kLongestRouteName;
  s.treno = kLongestRouteTrain;
  return s;
}

TEST(LargeRoute, LongestRouteCompilesWithoutAnyRecordedError) {
  CompilationState s = named_state();
  const RouteTexts texts = large_route(kLongestRoute);
  compile_texts(s, DescriptionText::of(texts.linea), DescriptionText::of(texts.treno), {});
  ASSERT_EQ(fatal_error(s), 0);
  EXPECT_TRUE(s.errors.empty()) << "error " << s.codice_errore() << " at " << s.posizione_errore() << " m";

  const TrackModel& m = s.model;
  EXPECT_EQ(m.record[84].fine_zona, 1'000'000);
  EXPECT_EQ(m.last_cell, 20140);
  EXPECT_EQ(s.rows_read.curve, 1000);
  EXPECT_EQ(s.rows_read.gradients, 2000);
  EXPECT_EQ(m.mountain_count, 80);
  EXPECT_GT(count_objects(m, kMountainMarker), 0);
  EXPECT_EQ(count_objects(m, kSpeedIndicator), 1000);
  EXPECT_EQ(count_objects(m, kSignal), 500);
  EXPECT_EQ(count_objects(m, kSlowdownStart), 50);
  EXPECT_EQ(count_objects(m, kSlowdownEnd), 50);
  EXPECT_EQ(count_objects(m, kSlowdownWarning), 50);
  EXPECT_EQ(count_objects(m, kDirectionSign), 38);
  EXPECT_EQ(count_objects(m, kStationStop), 40);
  EXPECT_EQ(s.rows_read.stations, 40);
  EXPECT_EQ(m.record[40].nome_punto, "POSTO 40");
  EXPECT_EQ(m.record[43].nome_punto, "(PL km)(901+700)");
  // Every slowdown gets its three approach markers and one before the
  // signal ahead of its warning board; the 25 slow ones also three inside
  // and one before the signal after their end.
  EXPECT_EQ(count_objects(m, kReductionPositive), 50 * 4 + 25 * 4);
  // The curves reach past 999 000 m; the plan runs straight on to the end.
  EXPECT_TRUE(std::holds_alternative<double>(m.geometry.x[static_cast<size_t>(m.lunghezza_totale) - 2]));
}

// Stations and signs share the records below the progressives: the route
// already holds as many of both as fit, so one more sign makes the last
// station reach the signs' records.
TEST(LargeRoute, StationsAndSignsFillTheSharedRecords) {
  RouteTexts texts = large_route(kLongestRoute);
  const std::string one_more = "cartello_indicatore,  999900,  (fine)\r\n";
  texts.linea.insert(texts.linea.find("[fine]"), one_more);
  CompilationState s = named_state();
  compile_texts(s, DescriptionText::of(texts.linea), DescriptionText::of(texts.treno), {});
  EXPECT_EQ(s.codice_errore(), 10);
  EXPECT_EQ(s.errors.all().back().place.file, Description::kTrain);
  EXPECT_EQ(s.model.record[40].nome_punto, "POSTO 40");
}

}  // namespace
}  // namespace scenario::bench
