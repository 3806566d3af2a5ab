#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(BarPieCommandsTest, ColourListsHoldFiftyAndCountOnlySuccesses) {
  testing::TestRun t;
  EXPECT_EQ(t.Process("-BarColour 0 0 0 1.5 0 0"), 1);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(t.Process("-barcolor 0 0 0 0 0 0"), 0);
  EXPECT_EQ(t.Process("-BarColor 0 0 0 0 0 0"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: BarColor - maximum number of bar colors (50) reached");
}

TEST(BarPieCommandsTest, ALaterBarSpacingUndoesBarSize) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-BarSize 40 -BarSpacing 10"), 0);
  EXPECT_EQ(t.settings.BarSize, std::nullopt);
  ASSERT_EQ(t.Process("-BarSpacing 0 -BarSize 500"), 0);
  EXPECT_EQ(t.settings.BarSize, 500);
}

// Bars start at 0 when BarBase says Zero, on a Nice scale unless BarBase says Minimum, and
// always when stacked.
TEST(BarPieCommandsTest, BarBaseAndBarSeriesDecideWhereBarsStart) {
  const struct { const char* commands; bool fromZero; } cases[] = {
      {"", false},
      {"-barbase zero", true},
      {"-AxesScale Nice", true},
      {"-AxesScale Nice -BarBase Minimum", false},
      {"-BarBase Minimum -BarSeries Stacked", true},
      {"-BarSeries Grouped", false},
  };
  for (const auto& c : cases) {
    testing::TestRun t;
    ASSERT_EQ(t.Process(c.commands), 0) << c.commands;
    EXPECT_EQ(BarsFromZero(t.settings), c.fromZero) << c.commands;
  }
}

}  // namespace
}  // namespace corvane
