// scripts/check-includes holds the code to its layers: the project's own
// tree passes, and a tree with an include crossing the table in each of the
// ways that matter most fails with each one named: the read-back layer may use
// the layouts of the compiled files, never the compile path.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support/process.h"

namespace scenario {
namespace {

const std::filesystem::path kScript = std::filesystem::path(SOURCE_DIR) / "scripts" / "check-includes";

TEST(CheckIncludes, TheProjectFollowsItsLayers) {
  const auto r = testing::run_process({kScript.string()});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
}

TEST(CheckIncludes, IncludesAcrossTheLayersAreNamed) {
  const auto r = testing::run_process({kScript.string(), "--root", TESTDATA_DIR "/includes"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "compiler/output/wrong.cpp:3: compiler/output may not include writers/line_description.h "
            "(writers)\n"
            "compiler/train/wrong.cpp:2: compiler/train may not include compiler/line/line_reader.h "
            "(compiler/line)\n"
            "readback/wrong.cpp:4: readback may not include compiler/output/compile.h (compiler/output)\n"
            "writers/wrong.cpp:3: writers may not include compiler/model/model.h (compiler/model)\n");
}

}  // namespace
}  // namespace scenario
