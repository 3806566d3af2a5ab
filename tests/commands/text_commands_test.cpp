#include "commands/text_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

// Every token up to the end of the text is a label, the words of a later command too.
TEST(DataSeriesLabelCommandTest, TakesEveryRemainingTokenUpToTen) {
  testing::TestRun t;
  const auto& labels = t.settings.DataSeriesLabel;
  ASSERT_EQ(t.Process("-DataSeriesLabel a -Output \"x y\"  "), 0);
  EXPECT_EQ(std::vector(labels.begin(), labels.begin() + 4),
            (std::vector<std::string>{"a", "-Output", "x y", ""}));
  EXPECT_EQ(t.Process("-DataSeriesLabel 1 2 3 4 5 6 7 8 9 10 11"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: DataSeriesLabel - too many data series labels specified (max is 10)");
  EXPECT_EQ(labels[9], "10");
}

}  // namespace
}  // namespace corvane
