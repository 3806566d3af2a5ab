#include "commands/text_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

// Every token up to the end of the text is a label, the words of a later command too.
TEST(DataSeriesLabelCommandTest, TakesEveryRemainingToken) {
  testing::TestRun t;
  const auto& labels = t.settings.DataSeriesLabel;
  ASSERT_EQ(t.Process("-DataSeriesLabel a -Output \"x y\"  "), 0);
  EXPECT_EQ(std::vector(labels.begin(), labels.begin() + 4),
            (std::vector<std::string>{"a", "-Output", "x y", ""}));
}

}  // namespace
}  // namespace corvane
