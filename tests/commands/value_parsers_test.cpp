#include "commands/value_parsers.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/keyword_tables.h"
#include "support/test_run.h"

namespace corvane {
namespace {

TEST(ParseIntegerTest, MalformedReadsAsMinusOneAndMissingAsZero) {
  struct Case { const char* text; int value; const char* rest; } cases[] = {
      {"42", 42, ""},       {"  -7 next", -7, " next"}, {"4x", -1, "x"},      {"+5", -1, "+5"},
      {"", 0, ""},          {" ", 0, ""},               {"1\t2", -1, "\t2"},
      {"99999999999", 2147483647, ""},  // too large: far outside every range
  };
  for (const Case& c : cases) {
    int value = 12345;
    EXPECT_STREQ(ParseInteger(c.text, value), c.rest) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(ParseRealTest, FifteenNumberCharactersEndedByBlankOrEnd) {
  struct Case { const char* text; bool ok; double value; const char* rest; } cases[] = {
      {"2.5", true, 2.5, ""},      {".5 x", true, 0.5, "x"},    {"", true, 0.0, ""},
      {"1.2.3", true, 1.2, ""},    {"+-1", true, 0.0, ""},      {"-3\tx", true, -3.0, "x"},
      {"1e3", false, 0, nullptr},  {"abc", false, 0, nullptr},  {"5,5", false, 0, nullptr},
      {"123456789012345", true, 123456789012345.0, ""},
      {"1234567890123456", false, 0, nullptr},
  };
  for (const Case& c : cases) {
    double value = 99.0;
    const char* next = ParseReal(c.text, value);
    EXPECT_EQ(next != nullptr, c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : 99.0) << c.text;
    if (c.ok && next != nullptr) {
      EXPECT_STREQ(next, c.rest) << c.text;
    }
  }
}

TEST(ParseColorTest, HexOrThreeNumbersElseTargetUnchanged) {
  const RgbColor unchanged{0.25f, 0.25f, 0.25f};
  struct Case { const char* text; RgbColor color; const char* rest; } cases[] = {
      {"#ff0000", {1, 0, 0}, ""},          {"#FF0000x", {1, 0, 0}, "x"},
      {"#FF00", unchanged, ""},            {"#FF00 -Next", unchanged, "-Next"},
      {"#FG0000", unchanged, "0000"},      {"255 0 0", {1, 0, 0}, ""},
      {"255 0 0 -Next", {1, 0, 0}, "-Next"}, {"255,0,0", unchanged, ",0,0"},
      {"255 0", unchanged, ""},            {"", unchanged, ""},
      {"0.5 0.5 0.5", {0.5f, 0.5f, 0.5f}, ""},
      {"1 0 0", {1.0f / 255, 0, 0}, ""},
      {"255  0 0", {1, 0, 0}, "0"},
      {"300 2.5 0", {static_cast<float>(300 / 255.0), 2.5f, 0}, ""},
      {"1234567890123456 0 0", unchanged, "6 0 0"},
  };
  for (const Case& c : cases) {
    RgbColor color = unchanged;
    EXPECT_STREQ(ParseColor(c.text, color), c.rest) << c.text;
    EXPECT_FLOAT_EQ(color.red, c.color.red) << c.text;
    EXPECT_FLOAT_EQ(color.green, c.color.green) << c.text;
    EXPECT_FLOAT_EQ(color.blue, c.color.blue) << c.text;
  }
}

TEST(ParseFontSpecTest, ReportsEachPartWithTheCommandName) {
  const std::string longName(41, 'x');
  struct Case { std::string text; const char* message; } cases[] = {  // message nullptr: accepted
      {"0 Courier 0 0 0 Normal", "ERROR: Axis - size must be between 1 and 300 inclusive"},
      {"301 Courier 0 0 0 Normal", "ERROR: Axis - size must be between 1 and 300 inclusive"},
      {"12x Courier 0 0 0 Normal", "ERROR: Axis - size must be between 1 and 300 inclusive"},
      {"12", "ERROR: Axis - no font name"},
      {"12 " + longName, "ERROR: Axis - font name too long"},
      {"12 Arial 0 0 0 Normal", "ERROR: Axis - unknown font name"},
      {"12 Courier 0 0 0", "ERROR: Axis - no text style"},
      {"12 Courier 0 0 0 " + longName, "ERROR: Axis - text style too long"},
      {"12 Courier 0 0 0 Bold", "ERROR: Axis - unknown text style"},
      {"1 Courier 0 0 0 Normal", nullptr},
      {"300 Courier 0 0 0 Normal", nullptr},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    FontSpec font;
    const char* next = ParseFontSpec(t.run, "Axis", font, c.text.c_str());
    EXPECT_EQ(next == nullptr, c.message != nullptr) << c.text;
    EXPECT_EQ(t.LastLine(), c.message ? c.message : "") << c.text;
  }
}

TEST(ParseFontSpecTest, StoresEveryFieldAndMarksTheFontUsed) {
  testing::TestRun t;
  FontSpec font;
  EXPECT_STREQ(ParseFontSpec(t.run, "Axis", font, "12 helvetica-bold 0 0 255 STROKE #FF0000 rest"), " rest");
  EXPECT_EQ(font.size, 12);
  EXPECT_EQ(font.font, 6);
  EXPECT_FLOAT_EQ(font.fillColor.blue, 1.0f);
  EXPECT_EQ(font.textStyle, kTextStyleStroke);
  EXPECT_FLOAT_EQ(font.strokeColor.red, 1.0f);
  EXPECT_EQ(t.settings.FontUsed[6], 1);
  EXPECT_EQ(t.settings.FontUsed[9], 0);

  // Normal text reads no stroke colour: what follows is left for the next command.
  EXPECT_STREQ(ParseFontSpec(t.run, "Axis", font, "8 ZapfDingbats 0 0 0 normal 1 1 1"), " 1 1 1");
  EXPECT_EQ(font.font, 14);
  EXPECT_FLOAT_EQ(font.strokeColor.red, 1.0f);
}

TEST(LookupKeywordTest, WholeWordsWithoutRegardToCase) {
  struct Case { KeywordTable table; const char* word; int value; } cases[] = {
      {HorizontalAlignmentTable, "centre", 2}, {HorizontalAlignmentTable, "CENTER", 2},
      {HorizontalAlignmentTable, "c", 2},      {HorizontalAlignmentTable, "Centr", NotFound},
      {HorizontalAlignmentTable, "", NotFound}, {VerticalAlignmentTable, "b", 3},
      {FontTable, "times-bolditalic", 12},     {FontTable, "Times", NotFound},
      {LabelPositionTable, "ac", 7},           {PieLabelPositionTable, "S", 10},
      {AreaStyleTable, "curved", 9},           {SortFieldTable, "2ND", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LookupKeyword(c.table, c.word), c.value) << c.word;
  }
}

}  // namespace
}  // namespace corvane
