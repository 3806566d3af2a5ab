#include "commands/axes_commands.h"

#include <gtest/gtest.h>

#include <string>

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

// Auto in any case, or a number, which replaces an earlier Auto; the command after either is read.
TEST(AxesCommandsTest, LabelSpacingTakesAutoOrANumberAndTheAngleOneOfFive) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-LabelSpacing aUTO -DecimalPoints 2"), 0);
  EXPECT_TRUE(t.settings.LabelSpacing->automatic);
  EXPECT_EQ(t.settings.DecimalPoints, 2);
  ASSERT_EQ(t.Process("-LabelSpacing 50"), 0);
  EXPECT_FALSE(t.settings.LabelSpacing->automatic);
  EXPECT_EQ(t.settings.LabelSpacing->value, 50);
  for (int angle : {0, 30, 45, 60, 90}) {
    ASSERT_EQ(t.Process("-CategoryLabelAngle " + std::to_string(angle) + " -AxesDivisions 3"), 0) << angle;
    EXPECT_EQ(t.settings.CategoryLabelAngle, angle);
  }
  EXPECT_EQ(t.Process("-CategoryLabelAngle 45.0"), 1);
  EXPECT_EQ(t.settings.CategoryLabelAngle, 90);  // a refused angle leaves the last one
}

// Nice takes nothing more. A range end written as a time is held in milliseconds, as time data
// are, and marked as a time for the run's check against the data; its fraction of a second does
// not mark the data as having decimals.
TEST(AxesCommandsTest, NiceTakesNothingAndRangeEndsMayBeTimes) {
  testing::TestRun t;
  ASSERT_EQ(t.Process("-AxesScale nice -AxesDivisions 4"), 0);
  EXPECT_EQ(t.settings.AxesScale.mode, ScaleMode::kNice);
  ASSERT_EQ(t.Process("-AxesScale Range 4:30 1:00:00.5"), 0);
  const auto& scale = t.settings.AxesScale;
  EXPECT_EQ(scale.rangeFrom, 270000);
  EXPECT_EQ(scale.rangeTo, 3600500);
  EXPECT_TRUE(scale.rangeFromTime && scale.rangeToTime);
  EXPECT_FALSE(t.data.decimalSeen);
  ASSERT_EQ(t.Process("-AxesScale Range 0.5 5:30"), 0);
  EXPECT_EQ(scale.rangeFrom, 0.5);
  EXPECT_TRUE(!scale.rangeFromTime && scale.rangeToTime);
}

}  // namespace
}  // namespace corvane
