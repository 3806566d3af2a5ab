#include "charts/reference_lines.h"

#include <gtest/gtest.h>

#include "charts/chart_page.h"

namespace corvane {
namespace {

using testing::PathOf;

const RgbColor kRed{0.5f, 0, 0};
const char* const kLine = "0.5 0 0 RG";

// Two series, 1 and 3 then 5 and 7: the mean of them all is 4, that of the first series 2.
TEST(ReferenceLinesTest, AverageOfALineChartTakesEverySeriesOfAnAreaChartTheFirst) {
  auto on = [](ChartSettings& s) { s.AverageLine = {true, kRed, 1, 0, ""}; };
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{1, 5}, {3, 7}}, on, kLine), "100 500 m; 500 500 l; S");
  EXPECT_EQ(PathOf(ChartStyle::kAreaStandard, {{1, 5}, {3, 7}}, on, kLine), "100 300 m; 500 300 l; S");
}

TEST(ReferenceLinesTest, TargetIsDrawnUpToTheScaleMaximumIncluded) {
  auto at = [](double v) { return [v](ChartSettings& s) { s.TargetLine = {true, kRed, 1, v, ""}; }; };
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{1}, {3}}, at(4), kLine), "100 500 m; 500 500 l; S");
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{1}, {3}}, at(4.0001), kLine), "");
}

// A point for every item from the first full sample of N items on, the first at item N - 1, so
// none for N items. 2, 2, 6, 0 averaged by two: 2, 4, 3 at items 1 to 3; stepped, each rises at
// its item, and nothing follows the last.
TEST(ReferenceLinesTest, MovingAverageStartsAtTheFirstFullSampleAndStepsUpAtTheItem) {
  auto pairs = [](ChartSettings& s) { s.MovingAverageLine = {true, 2, kRed, 1}; };
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{2}, {2}}, pairs, kLine), "");
  EXPECT_EQ(PathOf(ChartStyle::kAreaStepped, {{2}, {2}, {6}, {0}}, pairs, kLine),
            "233.33 300 m; 366.67 300 l; 366.67 500 l; 500 500 l; 500 400 l; S");
}

TEST(ReferenceLinesTest, BestFitRunsAcrossThePlotFromTheFirstFittedValueToTheLast) {
  auto on = [](ChartSettings& s) { s.LineOfBestFit = {true, kRed, 1}; };
  // xbar 1.5, ybar 1.5, Sxy 3.5, Sxx 5: slope 0.7, 0.45 at the first item and 2.55 at the last.
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{0.5}, {1.5}, {1}, {3}}, on, kLine), "100 145 m; 500 355 l; S");
  // An area chart fits its first, drawn, series (a line chart would fit the means, 2 to 6).
  EXPECT_EQ(PathOf(ChartStyle::kAreaStandard, {{1, 3}, {2, 6}, {3, 9}}, on, kLine), "100 200 m; 500 400 l; S");
  EXPECT_EQ(PathOf(ChartStyle::kLineStandard, {{2}}, on, kLine), "");  // one item has no slope
}

}  // namespace
}  // namespace corvane
