#include "commands/text_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/keyword_tables.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

const std::string kFont = " 10 Helvetica 0 0 0 Normal";

void ExpectResult(TestRun& t, const std::string& text, const std::string& lastLine) {
  EXPECT_EQ(t.Process(text), lastLine.starts_with("ERROR:") ? 1 : 0) << text;
  EXPECT_EQ(t.LastLine(), lastLine) << text;
}

TEST(FontCommandsTest, EachStoresItsOwnFontAndNamesItselfInMessages) {
  struct Case { const char* command; FontSpec ChartSettings::*font; } cases[] = {
      {"HeadingTitle", &ChartSettings::HeadingTitle},
      {"HeadingSubTitle", &ChartSettings::HeadingSubTitle},
      {"AxesLabelX", &ChartSettings::AxesLabelX},
      {"AxesLabelY", &ChartSettings::AxesLabelY},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, std::string("-") + c.command + " 8 courier 0 0 0 normal", "");
    EXPECT_EQ((t.settings.*c.font).size, 8) << c.command;
    EXPECT_EQ((t.settings.*c.font).font, 1) << c.command;
    ExpectResult(t, std::string("-") + c.command + " 301 Courier 0 0 0 Normal",
                 std::string("ERROR: ") + c.command + " - size must be between 1 and 300 inclusive");
  }
}

TEST(AxesCaptionCommandTest, FontAlignmentAndTitle) {
  const std::string title100(100, 't'), title101(101, 't'), word21(21, 'x');
  struct Case { std::string text, lastLine; } cases[] = {
      {"-AxesCaptionX 0 Courier 0 0 0 Normal Left T",
       "ERROR: AxesCaptionX - size must be between 1 and 300 inclusive"},
      {"-AxesCaptionX" + kFont, "ERROR: AxesCaptionX - no horizontal alignment"},
      {"-AxesCaptionX" + kFont + " " + word21, "ERROR: AxesCaptionX - horizontal alignment too long"},
      {"-AxesCaptionX" + kFont + " Top T", "ERROR: AxesCaptionX - unknown horizontal alignment"},
      {"-AxesCaptionX" + kFont + " R", "ERROR: AxesCaptionX - no title"},
      {"-AxesCaptionX" + kFont + " R " + title101, "ERROR: AxesCaptionX - title too long"},
      {"-AxesCaptionY 8 Arial 0 0 0 Normal Top T", "ERROR: AxesCaptionY - unknown font name"},
      {"-AxesCaptionY" + kFont, "ERROR: AxesCaptionY - no vertical alignment"},
      {"-AxesCaptionY" + kFont + " " + word21, "ERROR: AxesCaptionY - vertical alignment too long"},
      {"-AxesCaptionY" + kFont + " Left T", "ERROR: AxesCaptionY - unknown vertical alignment"},
      {"-AxesCaptionY" + kFont + " B \"\"", "ERROR: AxesCaptionY - no title"},
      {"-AxesCaptionY" + kFont + " B " + title101, "ERROR: AxesCaptionY - title too long"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, c.text, c.lastLine);
  }

  TestRun t;
  ExpectResult(t, "-AxesCaptionX" + kFont + " right \"Sales by region\"", "");
  ExpectResult(t, "-AxesCaptionY" + kFont + " Middle " + title100, "");
  EXPECT_EQ(t.settings.AxesCaptionX.alignment, 3);
  EXPECT_EQ(t.settings.AxesCaptionX.title, "Sales by region");
  EXPECT_EQ(t.settings.AxesCaptionX.font.font, 5);
  EXPECT_EQ(t.settings.AxesCaptionY.alignment, 2);
  EXPECT_EQ(t.settings.AxesCaptionY.title, title100);
}

// The two legends share their rules; only the item legend has a format.
TEST(LegendCommandsTest, PositionColoursWidthFormatAndFont) {
  const std::string format21(21, 'T'), format22(22, 'T');
  const std::string width = " - width must be greater than 0.0 and less than or equal to 10.0";
  struct Case { std::string text, lastLine; } cases[] = {
      {"-Legend", "ERROR: Legend - position not specified"},
      {"-Legend Belowxxxxxxxxxxxxxxx", "ERROR: Legend - position too long"},  // 20 characters
      {"-Legend Belowxxxxxxxxxxxxxx", "ERROR: Legend - unknown position"},     // 19 characters
      {"-Legend Above 256 0 0", "ERROR: Legend - outline color is not valid"},
      {"-Legend Above 0 0 0 abc", "ERROR: Legend - no width"},
      {"-Legend Above 0 0 0", "ERROR: Legend" + width},
      {"-Legend Above 0 0 0 0", "ERROR: Legend" + width},
      {"-Legend Above 0 0 0 10.5", "ERROR: Legend" + width},
      {"-Legend Above 0 0 0 10 0 0 2.0", "ERROR: Legend - backround color is not valid"},
      {"-Legend Above 0 0 0 10 #FFFFFF", "ERROR: Legend - format not specified"},
      {"-Legend Above 0 0 0 10 #FFFFFF " + format22, "ERROR: Legend - format too long"},
      {"-Legend Above 0 0 0 10 #FFFFFF " + format21 + " 12", "ERROR: Legend - no font name"},
      {"-DataSeriesLegend", "ERROR: DataSeriesLegend - position not specified"},
      {"-DataSeriesLegend Belowxxxxxxxxxxxxxxx", "ERROR: DataSeriesLegend - position too long"},
      {"-DataSeriesLegend Middle", "ERROR: DataSeriesLegend - unknown position"},
      {"-DataSeriesLegend Left 0 0 1.01", "ERROR: DataSeriesLegend - outline color is not valid"},
      {"-DataSeriesLegend Left 0 0 0 1e3", "ERROR: DataSeriesLegend - no width"},
      {"-DataSeriesLegend Left 0 0 0 -1", "ERROR: DataSeriesLegend" + width},
      {"-DataSeriesLegend Left 0 0 0 1 300 0 0", "ERROR: DataSeriesLegend - backround color is not valid"},
      {"-DataSeriesLegend Left 0 0 0 1 0 0 0 12", "ERROR: DataSeriesLegend - no font name"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, c.text, c.lastLine);
  }

  TestRun t;
  ExpectResult(t, "-Legend right #FF0000 10 0 0 255 \"TTTT VVVV\"" + kFont, "");
  ExpectResult(t, "-DataSeriesLegend Below 0 0 0 0.1 1.0 1.0 0.5" + kFont, "");
  const auto& legend = t.settings.Legend;
  EXPECT_EQ(legend.position, 4);
  EXPECT_FLOAT_EQ(legend.outlineColor.red, 1.0f);
  EXPECT_EQ(legend.width, 10.0);
  EXPECT_FLOAT_EQ(legend.backgroundColor.blue, 1.0f);
  EXPECT_EQ(legend.format, "TTTT VVVV");
  EXPECT_EQ(legend.font.font, 5);
  const auto& series = t.settings.DataSeriesLegend;
  EXPECT_EQ(series.position, 2);
  EXPECT_EQ(series.width, 0.1);
  EXPECT_FLOAT_EQ(series.backgroundColor.blue, 0.5f);
  EXPECT_EQ(series.font.size, 10);
}

TEST(AxesLabelYPositionCommandTest, LeftOrRight) {
  struct Case { std::string args; int position; const char* lastLine; } cases[] = {
      {"right", 2, ""},
      {"Top", NotFound, "ERROR: AxesLabelYPosition - unknown position"},
      {std::string(20, 'x'), NotFound, "ERROR: AxesLabelYPosition - unknown position"},
      {std::string(21, 'x'), 1, "ERROR: AxesLabelYPosition - field too long"},
      {"", 1, "ERROR: AxesLabelYPosition - field not specified"},
  };
  for (const Case& c : cases) {
    TestRun t;
    ExpectResult(t, "-AxesLabelYPosition " + c.args, c.lastLine);
    EXPECT_EQ(t.settings.AxesLabelYPosition, c.position) << c.args;
  }
}

TEST(DataSeriesLabelCommandTest, TakesEveryRemainingTokenUpToTen) {
  const std::string label100(100, 'l'), label101(101, 'l');
  // stored: the entries joined by '|' up to the last one written; the others keep "old"
  struct Case { std::string args, stored, lastLine; } cases[] = {
      {"North South East", "North|South|East|", ""},
      {"\"North East\"South   ", "North East|South|", ""},
      {"a -Output x.pdf", "a|-Output|x.pdf|", ""},  // a later command becomes labels too
      {label100, label100 + "|", ""},
      {"1 2 3 4 5 6 7 8 9 10", "1|2|3|4|5|6|7|8|9|10|", ""},
      {"1 2 3 4 5 6 7 8 9 10 11", "1|2|3|4|5|6|7|8|9|10|",
       "ERROR: DataSeriesLabel - too many data series labels specified (max is 10)"},
      {"", "", "ERROR: DataSeriesLabel - label 1 not specified"},
      {label101, "", "ERROR: DataSeriesLabel - label 1 too long"},
      {"a " + label101, "a|", "ERROR: DataSeriesLabel - label 2 too long"},
  };
  for (const Case& c : cases) {
    TestRun t;
    t.settings.DataSeriesLabel.fill("old");
    ExpectResult(t, "-DataSeriesLabel " + c.args, c.lastLine);
    std::string stored;
    for (const std::string& label : t.settings.DataSeriesLabel) stored += label + "|";
    while (stored.ends_with("old|")) stored.resize(stored.size() - 4);
    EXPECT_EQ(stored, c.stored) << c.args;
  }
}

}  // namespace
}  // namespace corvane
