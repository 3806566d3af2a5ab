#include "commands/axes_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(AxesCommandsTest, RejectValuesOutsideTheirInclusiveRanges) {
  testing::TestRun t;
  // A percentage is the number its leading digits make, with a '%' anywhere in the word.
  EXPECT_EQ(t.Process("-AxesLine 0.1 #FF0000 XY -AxesDivisions 100 -AxesScale EitherSide +100%pts"), 0);
  EXPECT_EQ(t.settings.AxesScale.percent, 100);
  testing::ExpectEachFails({
      {"-AxesScale UnderLowestValue 15", "ERROR: AxesScale - percent under lowest value invalid"},
      {"-AxesScale EitherSide 101%", "ERROR: AxesScale - percentage between 0-100 inclusive"},
      {"-AxesScale EitherSide 4294967297%", "ERROR: AxesScale - percentage between 0-100 inclusive"},
      {"-AxesLine 0.09 0 0 0 XY", "ERROR: AxesLine - width must be between 0.1 and 100.0 inclusive"},
      {"-AxesDivisions 101", "ERROR: AxesDivisions - between 1-100 inclusive"},
      // An integer too long for 32 bits must not wrap round into the range.
      {"-AxesDivisions 4294967297", "ERROR: AxesDivisions - between 1-100 inclusive"},
  });
}

}  // namespace
}  // namespace corvane
