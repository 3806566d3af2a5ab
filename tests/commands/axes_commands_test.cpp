#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// Each text fails with exactly its one message.
void ExpectEachFails(const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [text, message] : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(text), 1) << text;
    EXPECT_EQ(t.Lines(), std::vector<std::string>{message}) << text;
  }
}

TEST(AxesCommandsTest, AxesScaleReadsWhatItsModeNeeds) {
  struct Case {
    const char* text;
    int mode, percent;
    double from, to;
  } cases[] = {
      {"-AxesScale UnderLowestValue 15%", 2, 15, 0, 0}, {"-AxesScale eitherside +7%pts", 4, 7, 0, 0},
      {"-AxesScale EitherSide %15", 4, 0, 0, 0},        {"-AxesScale EitherSide 100%", 4, 100, 0, 0},
      {"-AxesScale Range 50 10", 3, 10, 50, 10},        {"-AxesScale Range 50", 3, 10, 50, 0},
      {"-AxesScale FromZero -DecimalPoints 3", 1, 10, 0, 0},
  };
  for (const Case& c : cases) {
    TestRun t;
    ASSERT_EQ(t.Process(c.text), 0) << c.text;
    const auto& scale = t.settings.AxesScale;
    EXPECT_EQ(std::make_tuple(scale.mode, scale.percent, scale.rangeFrom, scale.rangeTo),
              std::make_tuple(c.mode, c.percent, c.from, c.to))
        << c.text;
  }
}

TEST(AxesCommandsTest, AcceptLimitsAndStoreValuesBeforeTestingThem) {
  TestRun t;
  ASSERT_EQ(t.Process("-AxesLine 0.1 #FF0000 full -AxesDivisions 1 -LabelSpacing 50 -DecimalPoints 0"), 0);
  EXPECT_EQ(t.settings.AxesLine.format, 1);
  EXPECT_EQ(t.settings.AxesDivisions, 1);
  EXPECT_EQ(t.settings.LabelSpacing, 50);
  EXPECT_EQ(t.settings.DecimalPoints, 0);
  ASSERT_EQ(t.Process("-axesline 100 0 0 0 XY -AxesDivisions 100 -DecimalPoints 9 -AxesGridLineStyle"), 0);
  EXPECT_EQ(t.settings.AxesLine.format, 0);
  EXPECT_EQ(t.settings.AxesDivisions, 100);
  EXPECT_EQ(t.settings.DecimalPoints, 9);
  ASSERT_EQ(t.Process("-AxesGridLineStyle 3 2 100 -AxesGridLine 100 0 0 0"), 0);
  EXPECT_EQ(t.settings.AxesGridLineStyle.dashPhase, 100);
  EXPECT_EQ(t.Process("-AxesDivisions 101"), 1);
  EXPECT_EQ(t.settings.AxesDivisions, 101);
}

TEST(AxesCommandsTest, RejectBadArguments) {
  const std::string width = "ERROR: AxesLine - width must be between 0.1 and 100.0 inclusive";
  const std::string percent = "ERROR: AxesScale - percentage between 0-100 inclusive";
  ExpectEachFails({
      {"-AxesLine 0.09 0 0 0 XY", width},
      {"-AxesLine 100.5 0 0 0 XY", width},
      {"-AxesLine thick 0 0 0 XY", "ERROR: AxesLine - no width"},
      {"-AxesLine 1 0 0 0", "ERROR: AxesLine - no format"},
      {"-AxesLine 1 0 0 0 " + std::string(21, 'X'), "ERROR: AxesLine - format too long"},
      {"-AxesLine 1 0 0 0 Frame", "ERROR: AxesLine - unknown format"},
      {"-AxesGridLine x", "ERROR: AxesGridLine - no width"},
      {"-AxesScale", "ERROR: AxesScale - not specified"},
      {"-AxesScale " + std::string(21, 'R'), "ERROR: AxesScale - scale too long"},
      {"-AxesScale UnderLowestValue", "ERROR: AxesScale - percent under lowest value not specified"},
      {"-AxesScale EitherSide 1" + std::string(20, '%'),
       "ERROR: AxesScale - percent either side value too long"},
      {"-AxesScale UnderLowestValue 15", "ERROR: AxesScale - percent under lowest value invalid"},
      {"-AxesScale EitherSide 5", "ERROR: AxesScale - percent either side value invalid"},
      {"-AxesScale EitherSide 120%", percent},
      {"-AxesScale EitherSide -1%", percent},
      {"-AxesScale EitherSide 9999999999999999999%", percent},
      {"-AxesScale Range 50 ten", "ERROR: AxesScale - no range to"},
      {"-AxesDivisions 0", "ERROR: AxesDivisions - between 1-100 inclusive"},
      {"-LabelSpacing five", "ERROR: LabelSpacing - between 1-50 inclusive"},
      {"-DecimalPoints 10", "ERROR: DecimalPoints - between 0-9 inclusive"},
      {"-AxesGridLineStyle 3 2 101", "ERROR: AxesGridLineStyle - values between 0-100 inclusive"},
      {"-AxesGridLineStyle -1 2 0", "ERROR: AxesGridLineStyle - values between 0-100 inclusive"},
  });
}

}  // namespace
}  // namespace corvane
