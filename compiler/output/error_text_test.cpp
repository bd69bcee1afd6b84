#include "compiler/output/error_text.h"

#include <gtest/gtest.h>


namespace scenario {
namespace {

TEST(ErrorText, LeadingBlankThenTheNumber) {
  EXPECT_EQ(error_text(1250), " Errore n. 1250");
  EXPECT_EQ(error_text(1251), " Errore n. 1251");
  EXPECT_EQ(error_text(101), " Errore n. 101");
}

}  // namespace
}  // namespace scenario
