#include "commands/axes_commands.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

// The ends of the ranges are allowed (the values beyond them fail in tests/e2e/error_cases.txt).
// A percentage is the number its leading digits make, with a '%' anywhere in the word.
TEST(AxesCommandsTest, AcceptTheEndsOfTheirRangesAndReadPercentages) {
  testing::TestRun t;
  EXPECT_EQ(t.Process("-AxesLine 0.1 #FF0000 XY -AxesDivisions 100 -AxesLabelX 300 Courier 0 0 0 Normal "
                      "-AxesScale EitherSide +100%pts"),
            0);
  EXPECT_EQ(t.settings.AxesScale.percent, 100);
}

}  // namespace
}  // namespace corvane
