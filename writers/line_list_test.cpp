#include "writers/line_list.h"

#include <gtest/gtest.h>

#include "test_support/files.h"

namespace scenario {
namespace {

TEST(WriteLines, EveryLineEndsInCrLfAndBytesPassUnchanged) {
  testing::TempDir dir;
  const auto file = dir.path() / "f.txt";
  testing::write_file(file, "older and much longer content\r\n\r\n\r\n");
  ASSERT_FALSE(write_lines(file, {"[generale]", "", " ", "perch\xE8"}));
  EXPECT_EQ(testing::read_file(file), "[generale]\r\n\r\n \r\nperch\xE8\r\n");
}

}  // namespace
}  // namespace scenario
