#include "commands/text_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(TextCommandsTest, CaptionsAndLegendsRejectBadArgumentsInTheirOwnWords) {
  const std::string font = " 10 Helvetica 0 0 0 Normal";
  testing::ExpectEachFails({
      {"-AxesCaptionX" + font + " Top T", "ERROR: AxesCaptionX - unknown horizontal alignment"},
      {"-AxesCaptionY" + font + " Left T", "ERROR: AxesCaptionY - unknown vertical alignment"},
      {"-Legend Above 0 0 0 10.5",
       "ERROR: Legend - width must be greater than 0.0 and less than or equal to 10.0"},
      {"-DataSeriesLegend Left 0 0 0 10 0 0 2.0", "ERROR: DataSeriesLegend - backround color is not valid"},
  });
}

TEST(DataSeriesLabelCommandTest, TakesEveryRemainingTokenUpToTen) {
  // stored: the labels joined by '|' up to the last one written
  struct Case { std::string args, stored, lastLine; } cases[] = {
      {"\"North East\"South   ", "North East|South|", ""},
      {"a -Output x.pdf", "a|-Output|x.pdf|", ""},  // a later command becomes labels too
      {"1 2 3 4 5 6 7 8 9 10 11", "1|2|3|4|5|6|7|8|9|10|",
       "ERROR: DataSeriesLabel - too many data series labels specified (max is 10)"},
      {"a " + std::string(101, 'l'), "a|", "ERROR: DataSeriesLabel - label 2 too long"},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    EXPECT_EQ(t.Process("-DataSeriesLabel " + c.args), c.lastLine.empty() ? 0 : 1) << c.args;
    EXPECT_EQ(t.LastLine(), c.lastLine) << c.args;
    std::string stored;
    for (const std::string& label : t.settings.DataSeriesLabel) stored += label.empty() ? "" : label + "|";
    EXPECT_EQ(stored, c.stored) << c.args;
  }
}

}  // namespace
}  // namespace corvane
