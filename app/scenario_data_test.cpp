// The built-in scenario compiles cleanly: a later edit of the data that makes
// two objects collide, leaves the model or starves the route walk fails here.
#include <gtest/gtest.h>

#include "common/file_names.h"
#include "test_support/files.h"
#include "compiler/output/compile.h"
#include "writers/line_description.h"
#include "writers/train_description.h"

namespace scenario {
namespace {

TEST(BuiltInScenario, CompilesWithoutAnyRecordedError) {
  testing::TempDir dir;
  const FileNames names = file_names(dir.path(), "Montebrisca_Lurna", "7395");
  ASSERT_FALSE(write_line_description(names));
  ASSERT_FALSE(write_train_description(names));

  CompilationState s;
  s.nome = "Montebrisca_Lurna";
  s.treno = "7395";
  CompileOptions builder;
  builder.delete_descriptions = true;
  const CompileOutcome outcome = compile_scenario(s, {names.linea_txt, names.treno_txt}, names, builder);
  ASSERT_EQ(fatal_error(s), 0);
  ASSERT_FALSE(outcome.io_error);
  EXPECT_TRUE(s.errors.empty()) << "error " << s.codice_errore() << " at " << s.posizione_errore() << " m";

  const TrackModel& m = s.model;
  EXPECT_EQ(m.record[84].fine_zona, 103000);
  EXPECT_EQ(m.last_cell, 2200);
  EXPECT_EQ(s.rows_read.curve, 40);
  EXPECT_EQ(s.rows_read.gradients, 35);
  EXPECT_EQ(m.mountain_count, 1);
  EXPECT_EQ(count_objects(m, kSpeedIndicator), 10);
  EXPECT_EQ(80 - m.next_sign_slot, 56);
  EXPECT_EQ(s.rows_read.stations, 22);
  EXPECT_EQ(count_objects(m, kSlowdownStart), 1);
  EXPECT_EQ(count_objects(m, kSignal), 40);
  EXPECT_EQ(m.indice_svolta, 0);  // the line never turns past ~89 degrees

  // The descriptions were read and deleted.
  EXPECT_FALSE(std::filesystem::exists(names.linea_txt));
  EXPECT_FALSE(std::filesystem::exists(names.treno_txt));
}

}  // namespace
}  // namespace scenario
