#include "commands/axes_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/test_run.h"

namespace corvane {
namespace {

TEST(AxesCommandsTest, AxesScaleReadsWhatItsModeNeeds) {
  struct Case { const char* text; int mode, percent; double from, to; } cases[] = {
      {"-AxesScale eitherside +7%pts", 4, 7, 0, 0}, {"-AxesScale UnderLowestValue %15", 2, 0, 0, 0},
      {"-AxesScale Range 50 10", 3, 10, 50, 10},    {"-AxesScale FromZero -DecimalPoints 3", 1, 10, 0, 0},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    ASSERT_EQ(t.Process(c.text), 0) << c.text;
    const auto& scale = t.settings.AxesScale;
    EXPECT_EQ(std::tuple(scale.mode, scale.percent, scale.rangeFrom, scale.rangeTo),
              std::tuple(c.mode, c.percent, c.from, c.to))
        << c.text;
  }
}

TEST(AxesCommandsTest, RejectValuesOutsideTheirInclusiveRanges) {
  testing::TestRun t;
  EXPECT_EQ(t.Process("-AxesLine 0.1 #FF0000 XY -AxesDivisions 100 -AxesScale EitherSide 100%"), 0);
  testing::ExpectEachFails({
      {"-AxesScale UnderLowestValue 15", "ERROR: AxesScale - percent under lowest value invalid"},
      {"-AxesScale EitherSide 101%", "ERROR: AxesScale - percentage between 0-100 inclusive"},
      {"-AxesScale EitherSide 4294967297%", "ERROR: AxesScale - percentage between 0-100 inclusive"},
      {"-AxesLine 0.09 0 0 0 XY", "ERROR: AxesLine - width must be between 0.1 and 100.0 inclusive"},
      {"-AxesDivisions 101", "ERROR: AxesDivisions - between 1-100 inclusive"},
      // An integer too long for 32 bits must not wrap round into the range.
      {"-AxesDivisions 4294967297", "ERROR: AxesDivisions - between 1-100 inclusive"},
      {"-DecimalPoints 5x", "ERROR: DecimalPoints - between 0-9 inclusive"},  // malformed reads as -1
  });
}

}  // namespace
}  // namespace corvane
