#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// Each text fails with exactly its one message.
void ExpectEachFails(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [text, message] : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(text), 1) << text;
    EXPECT_EQ(t.Lines(), std::vector<std::string>{message}) << text;
  }
}

TEST(BarPieCommandsTest, ColourListsAppendUpToFiftyAndCountOnlySuccesses) {
  TestRun t;
  EXPECT_EQ(t.Process("-BarColour 0 0 0 1.5 0 0"), 1);
  EXPECT_EQ(t.Process("-PieColour 0 0 256"), 1);
  ASSERT_EQ(t.Process("-BarColor #3366CC #99CCFF -PieColour 255 0 0"), 0);
  EXPECT_FLOAT_EQ(t.settings.BarColor.toColor[0].blue, 1.0f);
  EXPECT_FLOAT_EQ(t.settings.PieColor.color[0].red, 1.0f);
  for (int i = 1; i < 50; ++i) ASSERT_EQ(t.Process("-barcolour 0 0 0 0 0 0 -piecolor 0 0 0"), 0);
  EXPECT_EQ(t.Process("-BarColor 0 0 0 0 0 0"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: BarColor - maximum number of bar colors (50) reached");
  EXPECT_EQ(t.Process("-PieColor 0 0 0"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: PieColor - maximum number of bar colors (50) reached");
  EXPECT_EQ(t.settings.BarColor.count, 50);
  EXPECT_EQ(t.settings.PieColor.count, 50);
}

TEST(BarPieCommandsTest, StoreSizesLabelsAndOutline) {
  TestRun t;
  ASSERT_EQ(t.Process("-BarSize 40 -BarSpacing 10 -BarLabel AC -PieOutlineColour 0 0 255 100"), 0);
  EXPECT_EQ(t.settings.BarSize, 0);  // the later barspacing decides
  EXPECT_EQ(t.settings.BarLabel.position, 7);
  EXPECT_EQ(t.settings.BarLabel.format, "TTTT (VVVV)");
  EXPECT_EQ(t.settings.PieOutlineColor.on, 1);
  ASSERT_EQ(t.Process("-BarSpacing 0 -BarSize 500 -BarLabel a \"VVVV units\" -PiePageMargin 100"), 0);
  EXPECT_EQ(t.settings.BarSize, 500);
  EXPECT_EQ(t.settings.BarLabel.format, "VVVV units");
  ASSERT_EQ(t.Process("-PieLabel Spoke \"TTTT\" 12 helvetica-bold 0 0 255 Normal -PiePageMargin 0"),
            0);
  EXPECT_EQ(t.settings.PieLabel.position, 10);
  EXPECT_EQ(t.settings.PieLabel.format, "TTTT");
  EXPECT_EQ(t.settings.PieLabel.font.font, 6);
}

TEST(BarPieCommandsTest, RejectBadArguments) {
  const std::string border =
      "ERROR: BarBorder - width must be greater than 0.0 and less than or equal to 100.0";
  const std::string margin = "ERROR: PiePageMargin - width must be between 0.0 and 100.0 inclusive";
  ExpectEachFails({
      {"-BarColor 300 0 0 0 0 0", "ERROR: BarColor - from color is not valid"},
      {"-BarColor 0 0 0 1.5 0 0", "ERROR: BarColor - to color is not valid"},
      {"-BarSpacing 501", "ERROR: BarSpacing - between 0-500 inclusive"},
      {"-BarSize 0", "ERROR: BarSize - between 1-500 inclusive"},
      {"-BarLabel", "ERROR: BarLabel - position not specified"},
      {"-BarLabel " + std::string(21, 'E'), "ERROR: BarLabel - position too long"},
      {"-BarLabel Top", "ERROR: BarLabel - unknown position"},
      {"-BarLabel End", "ERROR: BarLabel - format not specified"},
      {"-BarLabel S " + std::string(22, 'T'), "ERROR: BarLabel - format too long"},
      {"-BarBorder 0 0 0 0", border},
      {"-BarBorder 100.5", border},
      {"-BarBorder wide", "ERROR: BarBorder - no width"},
      {"-PieColor 0 0 256", "ERROR: PieColor - is not valid"},
      {"-PieOutlineColor 0 0 0 x", "ERROR: PieOutlineColor - no width"},
      {"-PiePageMargin -1", margin},
      {"-PiePageMargin 100.5", margin},
      {"-PieLabel Top", "ERROR: PieLabel - unknown position"},
      {"-PieLabel Spoke", "ERROR: PieLabel - format not specified"},
      {"-PieLabel I TTTT 0 Courier 0 0 0 Normal",
       "ERROR: PieLabel - size must be between 1 and 300 inclusive"},
  });
}

}  // namespace
}  // namespace corvane
