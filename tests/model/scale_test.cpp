#include "model/scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

void Fill(DataTable& data, const std::vector<std::vector<double>>& rows) {
  data.count = static_cast<int>(rows.size());
  data.seriesCount = static_cast<int>(rows[0].size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t v = 0; v < rows[i].size(); ++v) data.items[i].values[v] = rows[i][v];
  }
}

TEST(ScaleTest, ModesWidenAndRoundTheDataExtent) {
  struct Case {
    const char* name;
    int mode, percent;
    double rangeFrom, rangeTo;
    bool decimalSeen;
    std::vector<std::vector<double>> rows;
    double minimum, maximum;
  } cases[] = {
      {"under lowest, whole: 50 - 30 x 1.1", 2, 10, 0, 0, false, {{20}, {35}, {50}}, 17, 50},
      {"under lowest, decimals: not rounded", 2, 10, 0, 0, true, {{12.5}, {8}}, 7.55, 12.5},
      {"under lowest 100 % lands on 0", 2, 100, 0, 0, false, {{5}, {10}}, 0, 10},
      {"under lowest 200 % raised to 0", 2, 200, 0, 0, false, {{5}, {10}}, 0, 10},
      {"under lowest below 0 floored", 2, 10, 0, 0, false, {{-5}, {10}}, -7, 10},
      {"every series counts", 2, 0, 0, 0, false, {{4, 9}, {6, 1}}, 1, 9},
      {"from zero", 1, 10, 0, 0, false, {{3}, {8}}, 0, 8},
      {"from zero keeps a negative minimum", 1, 10, 0, 0, false, {{-3}, {8}}, -3, 8},
      {"range: the data maximum wins", 3, 10, 0, 100, false, {{10}, {150}}, 0, 150},
      {"range never cuts the data", 3, 10, 20, 30, false, {{10}, {150}}, 10, 150},
      {"either side, decimals", 4, 10, 0, 0, true, {{2.5}, {7.5}}, 2, 8},
      {"either side, whole: floor and ceiling", 4, 10, 0, 0, false, {{2}, {8}}, 1, 9},
      {"either side raised to 0", 4, 50, 0, 0, false, {{2}, {8}}, 0, 11},
      // A single value would leave nothing to divide by: one unit either side, not below 0.
      {"one whole value", 2, 10, 0, 0, false, {{7}}, 6, 8},
      {"one negative value", 1, 10, 0, 0, false, {{-3}, {-3}}, -4, -2},
      {"all zero from zero", 1, 10, 0, 0, false, {{0}, {0}}, 0, 1},
      {"one small decimal value", 4, 10, 0, 0, true, {{0.5}}, 0, 1.5},
      {"range of one value", 3, 10, 4, 4, false, {{4}}, 3, 5},
  };
  for (const Case& c : cases) {
    TestRun t;
    t.settings.AxesScale = {c.mode, c.percent, c.rangeFrom, c.rangeTo};
    t.data.decimalSeen = c.decimalSeen;
    Fill(t.data, c.rows);
    const ScaleRange scale = ComputeScale(t.settings, t.data);
    EXPECT_NEAR(scale.minimum, c.minimum, 1e-9) << c.name;
    EXPECT_NEAR(scale.maximum, c.maximum, 1e-9) << c.name;
    EXPECT_EQ(scale.range, scale.maximum - scale.minimum) << c.name;
  }
}

TEST(ScaleTest, TimeRowsAreScaledThoughTheyLeaveNoSeriesCount) {
  TestRun t;
  t.settings.AxesScale.mode = kScaleFromZero;
  Fill(t.data, {{60000}, {150000}});
  t.data.seriesCount = 0;
  t.data.timeValues = true;
  const ScaleRange scale = ComputeScale(t.settings, t.data);
  EXPECT_EQ(scale.minimum, 0);
  EXPECT_EQ(scale.maximum, 150000);
}

TEST(ScaleTest, ExtremeInputsStillGiveAFiniteNonEmptyRange) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  for (int mode = 1; mode <= 4; ++mode) {
    for (const double big : {1e300, -1e300, inf, nan, 1e16}) {
      for (const double other : {big, -big}) {  // one value only, or the widest spread
        TestRun t;
        t.settings.AxesScale = {mode, 100, -inf, inf};
        Fill(t.data, {{big}, {other}});
        const ScaleRange s = ComputeScale(t.settings, t.data);
        EXPECT_TRUE(std::isfinite(s.minimum) && std::isfinite(s.maximum) && std::isfinite(s.range)) << big;
        EXPECT_GT(s.range, 0) << mode << " " << big << " " << other;
      }
    }
  }
}

}  // namespace
}  // namespace corvane
