#include "compiler/output/errore.h"

#include <gtest/gtest.h>


namespace scenario {
namespace {

TEST(TestoErrore, LeadingBlankThenTheNumber) {
  EXPECT_EQ(testo_errore(1250), " Errore n. 1250");
  EXPECT_EQ(testo_errore(1251), " Errore n. 1251");
  EXPECT_EQ(testo_errore(101), " Errore n. 101");
}

}  // namespace
}  // namespace scenario
