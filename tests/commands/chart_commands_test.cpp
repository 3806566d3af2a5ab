#include "commands/chart_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// The style is looked up in the table of the type's own styles.
TEST(ChartCommandTest, TypeThenStyleFromTheTypesOwnTable) {
  testing::ExpectEachFails({
      {"-Chart Pie Vertical", "ERROR: Style - unknown chart style"},
      {"-Chart " + std::string(19, 'x') + " V", "ERROR: Chart - unknown chart type"},
      {"-Chart " + std::string(20, 'x') + " V", "ERROR: Chart - type too long"},
      {"-Chart", "ERROR: Chart - type not specified"},
  });
}

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
  testing::ExpectEachFails({
      {"-Page 99 500 0 0 0", "ERROR: Page - width must be between 100 and 10000 inclusive"},
      {"-Page 1000 10001 0 0 0", "ERROR: Page - height must be between 100 and 10000 inclusive"},
  });
}

TEST(ChartBackgroundCommandTest, AnEarlierBackgroundDoesNotMakeUpForAnUnreadableColour) {
  TestRun t;
  ASSERT_EQ(t.Process("-ChartBackground 255 0 0 #0000FF"), 0);
  EXPECT_EQ(t.Process("-ChartBackground 255 0 0"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: ChartBackground - to color is not valid");
  // A value is stored as read and tested afterwards.
  EXPECT_EQ(t.Process("-ChartBackground 1.5 0 0 0 0 0"), 1);
  EXPECT_EQ(t.settings.ChartBackground.fromColor.red, 1.5f);
}

}  // namespace
}  // namespace corvane
