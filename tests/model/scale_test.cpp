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

TEST(ScaleTest, RangeIsFiniteAndPositiveWhateverTheValues) {
  for (double huge : {1e300, -1e300, HUGE_VAL, static_cast<double>(NAN)}) {
    for (ScaleMode mode : {ScaleMode::kFromZero, ScaleMode::kUnderLowestValue, ScaleMode::kRange,
                           ScaleMode::kEitherSide}) {
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
