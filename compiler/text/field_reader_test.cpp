#include "compiler/text/field_reader.h"

#include <gtest/gtest.h>

#include "compiler/text/read_failure.h"

namespace scenario {
namespace {

TEST(FieldReader, TextFieldsKeepInnerBlanksAndDropOuterOnes) {
  FieldReader r("  lunghezza percorso  ,x\r\n\tcartello_indicatore ,   (PL km )(13+197)  \n[fine]\r\n");
  EXPECT_EQ(r.text(), "lunghezza percorso");
  EXPECT_EQ(r.line(), 1);
  EXPECT_EQ(r.text(), "x");
  EXPECT_EQ(r.text(), "cartello_indicatore");
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.text(), "(PL km )(13+197)");
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.text(), "[fine]");
  EXPECT_EQ(r.line(), 3);
  EXPECT_TRUE(r.eof());  // the line end was consumed with the last field
}

TEST(FieldReader, BlanksBeforeACommaAreOneDelimiter) {
  FieldReader r("ripetizione segnali 4 codici,    0    ,0\r\nx");
  EXPECT_EQ(r.text(), "ripetizione segnali 4 codici");
  EXPECT_EQ(r.number(), 0);
  EXPECT_EQ(r.number(), 0);
  EXPECT_EQ(r.text(), "x");
}

TEST(FieldReader, BlanksAloneSeparateNumbers) {
  FieldReader r("orologio,    23              49            40 \r\nnext");
  EXPECT_EQ(r.text(), "orologio");
  EXPECT_EQ(r.number(), 23);
  EXPECT_EQ(r.number(), 49);
  EXPECT_EQ(r.number(), 40);
  EXPECT_EQ(r.text(), "next");
  EXPECT_EQ(r.line(), 2);
}

TEST(FieldReader, EmptyFieldsAndLineEnds) {
  FieldReader r("indicatori_vmax,  1550,  125,  ,  ,  0\ra,\r\n\r\n");
  EXPECT_EQ(r.text(), "indicatori_vmax");
  EXPECT_EQ(r.number(), 1550);
  EXPECT_EQ(r.number(), 125);
  EXPECT_EQ(r.number(), 0);
  EXPECT_EQ(r.number(), 0);
  EXPECT_EQ(r.number(), 0);
  EXPECT_EQ(r.text(), "a");  // lone CR ended the previous line
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.text(), "");   // "a," gives an empty field before the line end
  EXPECT_EQ(r.text(), "");   // the empty line is a field of its own
  EXPECT_EQ(r.line(), 3);
  EXPECT_TRUE(r.eof());
  EXPECT_THROW(r.text(), ReadFailure);
  EXPECT_THROW(r.number(), ReadFailure);
}

TEST(FieldReader, BlanksJustBeforeTheEndReadAsEmpty) {
  FieldReader r("a,   ");
  EXPECT_EQ(r.text(), "a");
  EXPECT_EQ(r.number(), 0);
  EXPECT_TRUE(r.eof());
}

TEST(FieldReader, QuotesAreOrdinaryCharacters) {
  FieldReader r("\"a, b\"\n");
  EXPECT_EQ(r.text(), "\"a");
  EXPECT_EQ(r.text(), "b\"");
}

TEST(FieldReader, TextLongerThan65535BytesFails) {
  FieldReader ok(std::string(65535, 'x'));
  EXPECT_EQ(ok.text().size(), 65535u);
  FieldReader too_long(std::string(65536, 'x'));
  EXPECT_THROW(too_long.text(), ReadFailure);
}

TEST(ParseNumber, AcceptedForms) {
  const struct {
    const char* in;
    int32_t out;
  } cases[] = {{"", 0},        {"0", 0},         {"-1500", -1500},    {"+7", 7},
               {"2.5", 2},     {"3.5", 4},       {"-2.5", -2},        {".5", 0},
               {"5.", 5},      {"1.6", 2},       {"1e3", 1000},       {"25E-1", 2},
               {"2147483647", 2147483647},       {"-2147483648", -2147483647 - 1},
               {"2147483647.4", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(parse_number(c.in), c.out) << c.in;
}

TEST(ParseNumber, RefusedForms) {
  for (const char* bad : {"12abc", "-", "+", ".", "e5", "1e", "1e+", "0x10", "1,5", "--1",
                          "2147483648", "-2147483649", "2147483647.5", "1e400", "nan", "inf"}) {
    EXPECT_THROW(parse_number(bad), ReadFailure) << bad;
  }
}

TEST(Widths, CheckedStoresRefuseOverflowAndSayWhy) {
  EXPECT_EQ(checked<uint8_t>(255), 255);
  EXPECT_THROW(checked<uint8_t>(256), ReadFailure);
  EXPECT_THROW(checked<uint8_t>(-1), ReadFailure);
  EXPECT_EQ(checked<int16_t>(-32768), -32768);
  EXPECT_THROW(checked<int16_t>(32768), ReadFailure);
  try {
    checked<uint8_t>(256);
  } catch (const ReadFailure& f) {
    EXPECT_EQ(f.detail, "il valore 256 non sta tra 0 e 255");
  }
}

// Where a field starts, for the messages that point at it.
TEST(FieldReader, LinesAndColumnsOfEachField) {
  FieldReader r("pendenza,  1500,\t-5\r\n  segnale , 2800\n");
  EXPECT_EQ(r.text(), "pendenza");
  EXPECT_EQ(std::pair(r.line(), r.column()), std::pair(1, 1));
  EXPECT_EQ(r.number(), 1500);
  EXPECT_EQ(std::pair(r.line(), r.column()), std::pair(1, 12));
  EXPECT_EQ(r.number(), -5);
  EXPECT_EQ(std::pair(r.line(), r.column()), std::pair(1, 18));
  EXPECT_EQ(r.text(), "segnale");
  EXPECT_EQ(std::pair(r.line(), r.column()), std::pair(2, 3));
  EXPECT_EQ(r.number(), 2800);
  EXPECT_EQ(std::pair(r.line(), r.column()), std::pair(2, 13));
}

TEST(FieldReader, ANumberFieldHoldingTextFails) {
  FieldReader r("lunghezza percorso, abc\r\n");
  EXPECT_EQ(r.text(), "lunghezza percorso");
  EXPECT_THROW(r.number(), ReadFailure);
}

}  // namespace
}  // namespace scenario
