#include "charts/pie_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "charts/chart_page.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::Rows;
using testing::Written;

// Each slice: from the centre a line to where the previous arc ended, its arc, and back. The
// pie of ChartPage's area has its centre at (300, 300) and a radius of 200.
TEST(PieChartTest, EachSliceIsOnePathFromTheCentreAroundItsArcAndBack) {
  ChartPage page(ChartStyle::kPie, {{1}, {1}});
  page.Record();
  EXPECT_EQ(page.recording.Joined(),
            "fill-color 0 0 0; move 300 300; line 300 300; arc 300 300 200 0 180; line 300 300; fill; "
            "fill-color 0 0 0; move 300 300; line 300 100; arc 300 300 200 180 360; line 300 300; fill");
}

// An arc cannot make a whole turn: the disc is two half arcs, closed, without a seam.
TEST(PieChartTest, AWholeTurnIsTheWholeDiscInTwoHalves) {
  ChartPage page(ChartStyle::kPie, Rows{{5}});
  page.t.settings.PieOutlineColor = {true, kBlack, 2};
  page.Record();
  EXPECT_EQ(page.recording.Joined(), "stroke-color 0 0 0; line-width 2; fill-color 0 0 0; "
                                     "arc 300 300 199 0 180; arc 300 300 199 180 360; close; fill-stroke");
}

TEST(PieChartTest, WithoutPieColoursEverySliceIsBlack) {
  ChartPage page(ChartStyle::kPie, Rows(60, {1}));
  page.Record();
  const auto fills = page.recording.Calls("fill-color");
  EXPECT_EQ(fills.size(), 60u);
  EXPECT_EQ(std::ranges::count(fills, "fill-color 0 0 0"), 60);
}

// A slice running backwards refuses the chart before anything is drawn; a sum of 0 leaves every
// slice empty (tests/e2e/extreme_charts.txt draws it without an undefined number).
TEST(PieChartTest, NegativeValuesAreRefusedAndASumOfZeroDrawsEmptySlices) {
  ChartPage negative(ChartStyle::kPie, {{1}, {-1}, {2}});
  EXPECT_EQ(negative.Record(), ChartOutcome::kSliceRunsBackwards);
  EXPECT_EQ(negative.recording.calls(), std::vector<std::string>{});
  ChartPage zero(ChartStyle::kPie, {{0}, {0}});
  zero.t.settings.PieLabel.position = PieLabelPosition::kSpoke;
  EXPECT_EQ(zero.Record(), ChartOutcome::kDrawn);
  EXPECT_EQ(zero.recording.Calls("arc"), std::vector<std::string>{});
}

// Slices of 60, 120, 60 and 120 degrees, their middles at 30, 120, 210 and 300, labelled in
// 10-point Times-Roman (A 6.83, D 2.17, H 9), the anchors at r - H / 2 inside, r + H / 2 outside.
// The further round its quadrant, the more an Inside label is pulled in by its size: at 30 degrees
// it starts w / 2 + w / 6 before the anchor (397.75, 469.31) and D + H / 3 below it. Outside labels
// take 1.5 H at the top and the bottom, and the sides move in by as much as the labels stick out of
// the area: on the pie of radius 187 they reach from 51.95 to 548.05; those of the left half end at
// their anchor.
TEST(PieChartTest, LabelsAnchorByPlacementAndQuadrantAndOutsideOnesTakeRoom) {
  ChartPage inside(ChartStyle::kPie, Rows{{1}, {2}, {1}, {2}}), outside(ChartStyle::kPie, Rows{{1}, {2}, {1}, {2}});
  inside.t.settings.PieLabel.position = PieLabelPosition::kInside;
  EXPECT_EQ(Written({OpsNamed(inside.Draw(), "Tm").front()}), "1 0 0 1 382.76 464.14 Tm");
  outside.t.settings.PieLabel = {PieLabelPosition::kOutside, "TTTT of the long names", TimesRoman(10)};
  const auto placed = OpsNamed(outside.Draw(), "Tm");
  EXPECT_EQ(Written({placed.front(), placed.back()}), "1 0 0 1 378.5 433.6 Tm; 1 0 0 1 83.19 375 Tm");
  EXPECT_EQ(std::vector<int>({outside.area.left, outside.area.top, outside.area.right, outside.area.bottom}),
            std::vector<int>({149, 487, 452, 113}));
}

}  // namespace
}  // namespace corvane
