#include "commands/chart_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

TEST(PageCommandTest, SizeInPointsOrPaperNameRoundedAndTurnedByAPlus) {
  struct Case { const char* args; int width, height; } cases[] = {
      {"A5 0 0 0", 420, 595},       // 419.76 by 595.44
      {"quarto+ 0 0 0", 779, 612},  // 612 by 778.5, landscape
      {"100 10000 0 0 0", 100, 10000},
  };
  for (const Case& c : cases) {
    TestRun t;
    ASSERT_EQ(t.Process(std::string("-Page ") + c.args), 0) << c.args;
    EXPECT_EQ(std::pair(t.settings.Page.width, t.settings.Page.height), std::pair(c.width, c.height));
  }
}

TEST(ChartBackgroundCommandTest, AnEarlierBackgroundDoesNotMakeUpForAnUnreadableColour) {
  TestRun t;
  ASSERT_EQ(t.Process("-ChartBackground 255 0 0 #0000FF"), 0);
  EXPECT_EQ(t.Process("-ChartBackground 255 0 0"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: ChartBackground - to color is not valid");
  // A failed background leaves the earlier one.
  EXPECT_EQ(t.Process("-ChartBackground 1.5 0 0 0 0 0"), 1);
  EXPECT_EQ(t.settings.ChartBackground->toColor.blue, 1.0f);
}

TEST(PageMarginCommandTest, WholePointsUpTo200OrAuto) {
  TestRun t;
  ASSERT_EQ(t.Process("-PageMargin 0"), 0);
  EXPECT_EQ(t.settings.PageMargin->value, 0);
  ASSERT_EQ(t.Process("-PageMargin 200 -Title T"), 0);
  EXPECT_EQ(t.settings.PageMargin->value, 200);
  ASSERT_EQ(t.Process("-PageMargin auto -Subject S"), 0);
  EXPECT_TRUE(t.settings.PageMargin->automatic);
  EXPECT_EQ(t.settings.Subject, "S");
  EXPECT_EQ(t.Process("-PageMargin -5"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: PageMargin - between 0-200 inclusive");
  EXPECT_EQ(t.Process("-PageMargin \"\""), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: PageMargin - not specified");
}

}  // namespace
}  // namespace corvane
