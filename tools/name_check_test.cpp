#include "tools/name_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scenario::tools {
namespace {

TEST(NamePart, PlainNamesPassAnythingThatCouldLeaveTheFolderDoesNot) {
  const std::vector<std::string> good = {"Montebrisca_Lurna", "7395", "a b", "Linea-2",
                                         std::string(100, 'x')};
  for (const std::string& ok : good) EXPECT_EQ(name_part_problem(ok), std::nullopt) << ok;
  const std::vector<std::string> bad = {"", "..", "a/b", "a\\b", "..x", "x\ny", "tab\t",
                                        std::string(1, '\0'), std::string(101, 'x')};
  for (const std::string& b : bad) EXPECT_NE(name_part_problem(b), std::nullopt) << b;
}

}  // namespace
}  // namespace scenario::tools
