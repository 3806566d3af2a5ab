#include "commands/value_parsers.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/keyword_tables.h"
#include "render/color.h"

namespace corvane {
namespace {

// A run that is a number only in part is no number: "1.2.3" is not 1.2, nor "1-2" 1.
TEST(ParseRealTest, FifteenNumberCharactersEndedByABlankOrTheEndFormingOneNumber) {
  struct Case { const char* text; double value; const char* rest; } cases[] = {  // rest null: fails
      {".5 x", 0.5, "x"},  {"", 0.0, ""},        {"123456789012345", 123456789012345.0, ""},
      {"1e3", 99, nullptr}, {"5,5", 99, nullptr}, {"1234567890123456", 99, nullptr},
      {"+5.", 5, ""},       {"-.5", -0.5, ""},    {"1.2.3", 99, nullptr},  {"1-2", 99, nullptr},
      {"...", 99, nullptr}, {"-", 99, nullptr},   {"+-5", 99, nullptr},    {"3.755.251 x", 99, nullptr},
  };
  for (const Case& c : cases) {
    double value = 99.0;
    EXPECT_STREQ(ParseReal(c.text, value), c.rest) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(ParseColorTest, HexOrThreeNumbersScaledByTheirPointElseTargetUnchanged) {
  const RgbColor unchanged{0.25f, 0.25f, 0.25f};
  struct Case { const char* text; RgbColor color; const char* rest; } cases[] = {
      {"#ff0000", {1, 0, 0}, ""},            {"#FF00 -Next", unchanged, "-Next"},
      {"255 0 0 -Next", {1, 0, 0}, "-Next"}, {"255 0", unchanged, ""},
      {"1 1.0 0.5", {static_cast<float>(1 / 255.0), 1, 0.5f}, ""},  // 0..255 unless it has a point
      {"0.5.5 0 0", unchanged, " 0 0"},  // not 0.5
  };
  for (const Case& c : cases) {
    RgbColor color = unchanged;
    EXPECT_STREQ(ParseColor(c.text, color), c.rest) << c.text;
    EXPECT_TRUE(SameColor(color, c.color)) << c.text;
  }
}

TEST(LookupKeywordTest, WholeWordsOrTheirAliasesWithoutRegardToCase) {
  EXPECT_EQ(LookupKeyword(HorizontalAlignmentTable, "c"), HorizontalAlignment::kCentre);
  EXPECT_EQ(LookupKeyword(HorizontalAlignmentTable, "Centr"), std::nullopt);
  EXPECT_EQ(LookupKeyword(VerticalAlignmentTable, "b"), VerticalAlignment::kBottom);
  EXPECT_EQ(LookupKeyword(BarStyleTable, "h"), ChartStyle::kBarHorizontal);
  EXPECT_EQ(LookupKeyword(FontTable, "times-bolditalic"), StandardFont::kTimesBoldItalic);
  EXPECT_EQ(LookupKeyword(LabelPositionTable, "AxesAndCentre"), BarLabelPosition::kAxesAndCenter);
  EXPECT_EQ(LookupKeyword(PieLabelPositionTable, "S"), PieLabelPosition::kSpoke);
  EXPECT_EQ(LookupKeyword(PieLabelPositionTable, "spokeupright"), PieLabelPosition::kSpokeUpright);
  EXPECT_EQ(LookupKeyword(SortFieldTable, "2ND"), SortField::kSecond);
  EXPECT_EQ(LookupKeyword(SortOrderTable, "desc"), SortOrder::kDescending);
}

}  // namespace
}  // namespace corvane
