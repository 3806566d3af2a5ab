#include "commands/chart_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/keyword_tables.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// A command fails exactly when its last line is an error.
void ExpectResult(TestRun& t, const std::string& text, const std::string& lastLine) {
  EXPECT_EQ(t.Process(text), lastLine.starts_with("ERROR:") ? 1 : 0) << text;
  EXPECT_EQ(t.LastLine(), lastLine) << text;
}

TEST(ChartCommandTest, TypeThenStyleFromTheTypesOwnTable) {
  const std::string word19(19, 'x'), word20(20, 'x');
  struct Case { std::string text; int type, style; std::string lastLine; } cases[] = {
      {"-Chart bar v", 1, 1, "Chart type: bar v"},
      {"-CHART BAR Horizontal", 1, 2, "Chart type: BAR Horizontal"},
      {"-Chart Pie 2D", 2, 3, "Chart type: Pie 2D"},
      {"-Chart line curved", 3, 6, "Chart type: line curved"},
      {"-Chart Area Stepped", 4, 8, "Chart type: Area Stepped"},
      {"-Chart Pie Vertical", 2, NotFound, "ERROR: Style - unknown chart style"},
      {"-Chart Bar " + word19, 1, NotFound, "ERROR: Style - unknown chart style"},
      {"-Chart Bar " + word20, 1, 0, "ERROR: Chart - style too long"},
      {"-Chart Bar", 1, 0, "ERROR: Chart - style not specified"},
      {"-Chart " + word19 + " V", NotFound, 0, "ERROR: Chart - unknown chart type"},
      {"-Chart " + word20 + " V", 0, 0, "ERROR: Chart - type too long"},
      {"-Chart", 0, 0, "ERROR: Chart - type not specified"},
      {"-Chart Bar V -Chart Bar V", 1, 1, "ERROR: Chart - type already specified"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, c.text, c.lastLine);
    EXPECT_EQ(t.settings.Chart.type, c.type) << c.text;
    EXPECT_EQ(t.settings.Chart.style, c.style) << c.text;
  }
}

TEST(ChartBackgroundCommandTest, BothColoursRequiredAndValid) {
  const RgbColor notSet = kColorNotSet;
  struct Case { const char* args; RgbColor from, to; const char* lastLine; } cases[] = {
      {"255 0 0 #0000FF", {1, 0, 0}, {0, 0, 1}, ""},
      {"255 0 0", {1, 0, 0}, notSet, "ERROR: ChartBackground - to color is not valid"},
      {"0 0 0 0 0 256", {0, 0, 0}, {0, 0, 256 / 255.0f}, "ERROR: ChartBackground - to color is not valid"},
      {"#FF00 0 0 0", notSet, notSet, "ERROR: ChartBackground - from color is not valid"},
      {"1.5 0 0 0 0 0", {1.5f, 0, 0}, notSet, "ERROR: ChartBackground - from color is not valid"},
  };
  for (const Case& c : cases) {
    TestRun t;
    // An earlier background must not make up for an unreadable colour.
    ASSERT_EQ(t.Process("-ChartBackground 0 0 0 0 0 0"), 0);
    ExpectResult(t, std::string("-ChartBackground ") + c.args, c.lastLine);
    const auto& bg = t.settings.ChartBackground;
    EXPECT_FLOAT_EQ(bg.fromColor.red, c.from.red) << c.args;
    EXPECT_FLOAT_EQ(bg.toColor.red, c.to.red) << c.args;
    EXPECT_FLOAT_EQ(bg.toColor.blue, c.to.blue) << c.args;
  }
}

TEST(PageCommandTest, SizeInPointsOrPaperNameThenColour) {
  const char* width = "ERROR: Page - width must be between 100 and 10000 inclusive";
  const char* height = "ERROR: Page - height must be between 100 and 10000 inclusive";
  struct Case { std::string args; int width, height; float red; const char* lastLine; } cases[] = {
      {"A4 255 255 255", 595, 842, 1, ""},
      {"a4+ 255 255 255", 842, 595, 1, ""},
      {"Letter+ 0 0 0", 792, 612, 0, ""},
      {"A5 0 0 0", 420, 595, 0, ""},          // 419.76 rounds up
      {"quarto 0 0 0", 612, 779, 0, ""},      // 778.5: one half rounds up
      {"B3+extra 0 0 0", 1417, 1001, 0, ""},  // the name ends at the '+'
      {"STATEMENT 0 0 0", 396, 612, 0, ""},
      {"100 10000 0 0 0", 100, 10000, 0, ""},
      {"10000 100 0 0 0", 10000, 100, 0, ""},
      {"99 500 0 0 0", 99, -1, -1, width},
      {"10001 500 0 0 0", 10001, -1, -1, width},
      {"A7 0 0 0", -1, -1, -1, width},
      {"Tabloidxxxxxxxxxxxxxx 0 0 0", -1, -1, -1, width},  // 21 characters
      {"", 0, -1, -1, width},
      {"1000 99 0 0 0", 1000, 99, -1, height},
      {"1000 10001 0 0 0", 1000, 10001, -1, height},
      {"A4", 595, 842, -1, "ERROR: Page - color is not valid"},
      {"1000 500 1.5 0 0", 1000, 500, 1.5f, "ERROR: Page - color is not valid"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, "-Page " + c.args, c.lastLine);
    EXPECT_EQ(t.settings.Page.width, c.width) << c.args;
    EXPECT_EQ(t.settings.Page.height, c.height) << c.args;
    EXPECT_FLOAT_EQ(t.settings.Page.color.red, c.red) << c.args;
  }
}

TEST(ChartHeadingCommandTest, AboveOrBelowTheChartOnly) {
  const std::string word20(20, 'x'), word21(21, 'x');
  struct Case { std::string args; int vertical, horizontal; std::string lastLine; } cases[] = {
      {"Bottom Centre", 3, 2, ""},
      {"t r", 1, 3, ""},
      {"Middle Left", 2, 1, "ERROR: ChartHeading - this vertical alignment not allowed"},
      {"M C", 2, 1, "ERROR: ChartHeading - this vertical alignment not allowed"},
      {word20 + " Left", NotFound, 1, "ERROR: ChartHeading - unknown vertical alignment"},
      {word21 + " Left", 2, 1, "ERROR: ChartHeading - vertical alignment too long"},
      {"", 2, 1, "ERROR: ChartHeading - no vertical alignment"},
      {"Top", 1, 1, "ERROR: ChartHeading - no horizontal alignment"},
      {"Top " + word20, 1, NotFound, "ERROR: ChartHeading - unknown horizontal alignment"},
      {"Top " + word21, 1, 1, "ERROR: ChartHeading - horizontal alignment too long"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, "-ChartHeading " + c.args, c.lastLine);
    EXPECT_EQ(t.settings.ChartHeading.vertical, c.vertical) << c.args;
    EXPECT_EQ(t.settings.ChartHeading.horizontal, c.horizontal) << c.args;
  }
}

}  // namespace
}  // namespace corvane
