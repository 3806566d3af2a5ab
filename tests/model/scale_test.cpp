#include "model/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using Rows = std::vector<std::vector<double>>;  // one row of series values per item

TEST(ScaleTest, ModesWidenAndRoundTheDataExtent) {
  using Scale = decltype(ChartSettings::AxesScale);  // mode, percent, range from, range to
  struct Case { const char* name; Scale scale; bool decimalSeen; Rows rows; double minimum, maximum; };
  using enum ScaleMode;
  const Case cases[] = {
      {"under lowest, whole: 50 - 30 x 1.1", {kUnderLowestValue, 10, 0, 0}, false, {{20}, {35}, {50}}, 17, 50},
      {"under lowest, decimals: not rounded", {kUnderLowestValue, 10, 0, 0}, true, {{12.5}, {8}}, 7.55, 12.5},
      {"under lowest 200 % raised to 0", {kUnderLowestValue, 200, 0, 0}, false, {{5}, {10}}, 0, 10},
      {"under lowest below 0 floored", {kUnderLowestValue, 10, 0, 0}, false, {{-5}, {10}}, -7, 10},
      {"every series counts", {kUnderLowestValue, 0, 0, 0}, false, {{4, 9}, {6, 1}}, 1, 9},
      {"from zero", {kFromZero, 10, 0, 0}, false, {{3}, {8}}, 0, 8},
      {"range never cuts the data", {kRange, 10, 20, 100}, false, {{10}, {50}}, 10, 100},
      {"either side, whole: floor and ceiling", {kEitherSide, 10, 0, 0}, false, {{2}, {8}}, 1, 9},
      // An empty extent would leave nothing to divide by: one unit either side, not below 0.
      {"all zero from zero", {kFromZero, 10, 0, 0}, false, {{0}, {0}}, 0, 1},
      {"one negative value", {kUnderLowestValue, 10, 0, 0}, false, {{-3}}, -4, -2},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    t.settings.AxesScale = c.scale;
    t.data.decimalSeen = c.decimalSeen;
    t.Fill(c.rows);
    const ScaleRange scale = ComputeScale(t.settings, t.data);
    EXPECT_NEAR(scale.minimum, c.minimum, 1e-9) << c.name;
    EXPECT_NEAR(scale.maximum, c.maximum, 1e-9) << c.name;
    EXPECT_EQ(scale.range, scale.maximum - scale.minimum) << c.name;
  }
}

// Worked by hand: the step is the first of 1, 2, 2.5, 5 x 10^k (or of the clock's steps for
// times, in milliseconds) for which the multiples of it round the data take at most the
// divisions asked for; bars take in 0, lines only data in the upper half of the span from it.
TEST(ScaleTest, NiceRunsBetweenMultiplesOfTheSmallestRoundStepThatFits) {
  struct Case {
    const char* name;
    ChartStyle style;
    bool time;
    int divisions;
    Rows rows;
    double minimum, maximum;
    int steps, decimals;
  };
  using enum ChartStyle;
  const Case cases[] = {
      // 2000 takes 0..20000 in 10 steps; 1000 would take 19.
      {"positive bars", kBarVertical, false, 10, {{12450}, {8200}, {18210}}, 0, 20000, 10, 0},
      // 1 would take 17 steps; 2 takes -18 (-8.5 rounded down) to 0 in 9.
      {"negative bars", kBarHorizontal, false, 10, {{-3}, {-17}}, -18, 0, 9, 0},
      // 20 takes -120..220 (17), 25 -125..225 (14), 50 -150..250 (8).
      {"bars across 0", kBarVertical, false, 10, {{-120}, {80}, {210}, {-40}}, -150, 250, 8, 0},
      // 1e-13 is at most half of 3e-13, so the line takes in 0; 2.5e-14 would take 12 steps.
      {"tiny line", kLineStandard, false, 10, {{1e-13}, {3e-13}}, 0, 3e-13, 6, 14},
      {"huge bars", kBarVertical, false, 10, {{999999999999999}}, 0, 1e15, 10, 0},
      {"a single bar", kBarVertical, false, 10, {{5}}, 0, 5, 10, 1},
      // Equal values get a tenth of themselves either side: 4.5..5.5 in steps of 0.1.
      {"a single point", kLineStandard, false, 10, {{5}}, 4.5, 5.5, 10, 1},
      {"equal zeros", kAreaStandard, false, 10, {{0}, {0}}, 0, 1, 10, 1},
      // 52 is more than half of 58: the line hugs its data.
      {"line hugging its data", kLineCurved, false, 10, {{52}, {58}, {55}}, 52, 58, 6, 0},
      {"line taking in 0", kLineStepped, false, 10, {{20}, {35}, {50}}, 0, 50, 10, 0},
      {"four divisions, step 2.5", kAreaStepped, false, 4, {{10}, {4}}, 0, 10, 4, 1},
      {"one division across 0 takes two", kBarVertical, false, 1, {{-1}, {1}}, -1, 1, 2, 0},
      // Seconds: 2 s would take 135..147 x 2 s (12 steps), 5 s takes 270..295 s in 5.
      {"seconds", kLineStandard, true, 10, {{271000}, {293000}}, 270000, 295000, 5, 0},
      // Minutes: 2 min would take 24 steps to 47:30, 5 min takes 10 to 50:00.
      {"minutes", kBarVertical, true, 10, {{720000}, {2850000}}, 0, 3000000, 10, 0},
      // Hours: 2 h would take 13 steps to 26 h, 3 h takes 9 to 27 h.
      {"hours", kBarVertical, true, 10, {{18000000}, {93600000}}, 0, 97200000, 9, 0},
      // Days: 4 days would take 11 steps to 999:59:59.999, 5 days take 9 to 1080 h.
      {"days", kAreaStandard, true, 10, {{360000000}, {3599999999}}, 0, 3888000000, 9, 0},
  };
  for (const Case& c : cases) {
    testing::TestRun t;
    t.settings.Chart.style = c.style;
    t.settings.AxesScale.mode = ScaleMode::kNice;
    t.settings.AxesDivisions = c.divisions;
    t.Fill(c.rows);
    t.data.timeValues = c.time;
    const ScaleRange scale = ComputeScale(t.settings, t.data);
    EXPECT_DOUBLE_EQ(scale.minimum, c.minimum) << c.name;
    EXPECT_DOUBLE_EQ(scale.maximum, c.maximum) << c.name;
    EXPECT_EQ(scale.range, scale.maximum - scale.minimum) << c.name;
    EXPECT_EQ(scale.divisions, c.steps) << c.name;
    EXPECT_EQ(scale.decimals, c.decimals) << c.name;
  }
}

// Stacked bars reach from the sum of an item's negative values to the sum of its positive
// ones: here -3 and 19, 21 and 24.
TEST(ScaleTest, StackedBarsAreScaledOnTheirSumsInEveryMode) {
  using enum ScaleMode;
  const struct { ScaleMode mode; double minimum, maximum; } cases[] = {
      {kFromZero, -3, 24}, {kUnderLowestValue, -6, 24}, {kEitherSide, -6, 27}, {kNice, -5, 25}};
  for (const auto& c : cases) {
    testing::TestRun t;
    t.settings.Chart.style = ChartStyle::kBarVertical;
    t.settings.BarSeries = BarSeries::kStacked;
    t.settings.AxesScale = {c.mode, 10, 0, 0};
    t.Fill({{12, 7, -3}, {8, 9, 4}, {15, 3, 6}});
    const ScaleRange scale = ComputeScale(t.settings, t.data);
    EXPECT_EQ(scale.minimum, c.minimum) << static_cast<int>(c.mode);
    EXPECT_EQ(scale.maximum, c.maximum) << static_cast<int>(c.mode);
  }
}

TEST(ScaleTest, RangeIsFiniteAndPositiveWhateverTheValues) {
  for (double huge : {1e300, -1e300, HUGE_VAL, static_cast<double>(NAN)}) {
    for (ScaleMode mode : {ScaleMode::kFromZero, ScaleMode::kUnderLowestValue, ScaleMode::kRange,
                           ScaleMode::kEitherSide, ScaleMode::kNice}) {
      testing::TestRun t;
      t.settings.AxesScale = {mode, 100, -1e308, 1e308};
      t.Fill({{huge}, {-huge}, {1}});
      const ScaleRange scale = ComputeScale(t.settings, t.data);
      EXPECT_TRUE(std::isfinite(scale.range) && scale.range > 0) << huge << " mode " << static_cast<int>(mode);
    }
  }
}

}  // namespace
}  // namespace corvane
