// The small rules every sheet's cells follow, on the texts the built-in
// sheets show.
#include "sheets/sheet_text.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(SheetText, CentredAsTheBuiltInCells) {
  const struct {
    std::string_view text;
    size_t width;
    SpareColumn spare;
    std::string_view expected;
  } cases[] = {
      {"23.48", 16, SpareColumn::kBefore, "      23.48     "},  // the card's times
      {"23.40 - 23.45", 16, SpareColumn::kBefore, "  23.40 - 23.45 "},
      {"0.5", 5, SpareColumn::kBefore, " 0.5 "},
      {"1", 5, SpareColumn::kBefore, "  1  "},
      {"B", 12, SpareColumn::kAfter, "     B      "},  // the order's prescriptions
      {"TRENO n.7395", 19, SpareColumn::kAfter, "   TRENO n.7395    "},
      {"125 %", 14, SpareColumn::kAfter, "    125 %     "},
      {"", 3, SpareColumn::kAfter, "   "},
      {"TOO WIDE", 4, SpareColumn::kAfter, "TOO WIDE"},
  };
  for (const auto& c : cases) EXPECT_EQ(centred(c.text, c.width, c.spare), c.expected) << c.text;
}

TEST(SheetText, ATextTooLongIsCutVisiblyAndWarnedAbout) {
  SheetWarnings warnings;
  EXPECT_EQ(fitted("CORTE VALSIO", 12, "la prova", warnings), "CORTE VALSIO");
  EXPECT_TRUE(warnings.empty());

  EXPECT_EQ(fitted("CORTE VALSIO", 8, "la prova", warnings), "CORTE V~");
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "«CORTE VALSIO» è più lungo di quanto tiene la prova (8 caratteri): scritto «CORTE V~»");

  EXPECT_EQ(cut_to("SAN GIOVANNI IN PERSICETO", 14), "SAN GIOVANNI~");

  // A Windows-1252 name is quoted in UTF-8.
  warnings.clear();
  fitted("CITT\xC0", 3, "la prova", warnings);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("«CITTÀ»"), std::string::npos) << warnings[0];
}

TEST(SheetText, TitleCaseOfTerminalNames) {
  const struct {
    std::string_view name, expected;
  } cases[] = {
      {"MONTEBRISCA", "Montebrisca"},
      {"LURNA", "Lurna"},
      {"CORTE VALSIO", "Corte Valsio"},
      {"S. MARTINO D.F.", "S. Martino D.F."},
      {"SANT'ANNA", "Sant'Anna"},
      {"BORGO-SESIA", "Borgo-Sesia"},
      {"CITT\xC0 ALTA", "Citt\xE0 Alta"},  // À, à in Windows-1252
      {"\x8A" "ENIK", "\x8A" "enik"},     // Š stays a capital at the start
      {"O\x8A" "K", "O\x9Ak"},            // and becomes š after it
      {"lurna", "Lurna"},
  };
  for (const auto& c : cases) EXPECT_EQ(title_case(c.name), c.expected) << c.name;
}

TEST(SheetText, KilometresAndClockTimes) {
  EXPECT_EQ(kilometre_text(92150), "92.150");
  EXPECT_EQ(kilometre_text(0), "0.000");
  EXPECT_EQ(kilometre_text(100750), "100.750");
  EXPECT_EQ(kilometre_text(-200), "-0.200");
  EXPECT_EQ(kilometre_text(-1500), "-1.500");

  const struct {
    double seconds;
    std::string_view expected;
  } clocks[] = {
      {23 * 3600 + 50 * 60, "23.50"},
      {23 * 3600 + 49 * 60 + 29, "23.49"},
      {23 * 3600 + 49 * 60 + 30, "23.50"},  // half a minute up
      {23 * 3600 + 59 * 60 + 40, "00.00"},
      {86400 + 22 * 60, "00.22"},  // past midnight the day is dropped
      {0, "00.00"},
  };
  for (const auto& c : clocks) EXPECT_EQ(clock_minutes(c.seconds), c.expected) << c.seconds;
}

TEST(SheetText, OptionTextsInTheSheetsCodePage) {
  EXPECT_EQ(windows1252_from_utf8("V160 B"), "V160 B");
  EXPECT_EQ(windows1252_from_utf8("Città €"), "Citt\xE0 \x80");
  EXPECT_EQ(windows1252_from_utf8("“EXP”"), "\x93" "EXP\x94");
  EXPECT_EQ(windows1252_from_utf8(""), "");
  for (const std::string_view refused : {"日本", "a\tb", "\xE0 alone", "\xC2\x81"})
    EXPECT_EQ(windows1252_from_utf8(refused), std::nullopt) << refused;
}

}  // namespace
}  // namespace scenario
