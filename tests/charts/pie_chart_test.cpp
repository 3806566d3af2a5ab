#include "charts/pie_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
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

// SpokeUpright leaves the right half's labels as Spoke writes them, and turns those of the left
// half round in their place: reading left to right (180 - 180 degrees), the start moves to the
// other end (w = 10 back) and to the other side of the box (A - D = 5 down).
TEST(PieChartTest, SpokeUprightTurnsTheLeftHalfsLabelsRoundInTheirPlace) {
  std::vector<testing::ShownText> texts[2];
  int i = 0;
  for (const PieLabelPosition position : {PieLabelPosition::kSpoke, PieLabelPosition::kSpokeUpright}) {
    ChartPage page(ChartStyle::kPie, {{1}, {1}});
    page.t.settings.PieLabel = {position, "TTTT", TimesRoman(10)};
    page.Record();
    texts[i++] = page.recording.texts();
  }
  const auto& [spokeRight, spokeLeft] = std::pair(texts[0][0], texts[0][1]);
  const auto& [uprightRight, uprightLeft] = std::pair(texts[1][0], texts[1][1]);
  EXPECT_EQ(spokeRight.angle, 360);
  EXPECT_EQ(std::tuple(uprightRight.x, uprightRight.y, uprightRight.angle),
            std::tuple(spokeRight.x, spokeRight.y, spokeRight.angle));
  EXPECT_EQ(spokeLeft.angle, 180);
  EXPECT_EQ(uprightLeft.angle, 0);
  EXPECT_NEAR(uprightLeft.x, spokeLeft.x - 10, 1e-4);
  EXPECT_NEAR(uprightLeft.y, spokeLeft.y - 5, 1e-4);
}

// PPPP in the slice labels and the legend is the slice's share of the sum.
TEST(PieChartTest, SliceLabelsAndTheLegendShowShares) {
  ChartPage page(ChartStyle::kPie, {{1}, {2}, {5}});
  page.t.settings.PieLabel = {PieLabelPosition::kInside, "PPPP%", TimesRoman(10)};
  page.t.settings.Legend.position = LegendPosition::kRight;
  page.t.settings.Legend.format = "TTTT PPPP";
  page.Record();
  std::vector<std::string> shown;
  for (const testing::ShownText& text : page.recording.texts()) shown.push_back(text.text);
  EXPECT_EQ(shown, std::vector<std::string>({"I0 12.5", "I1 25.0", "I2 62.5", "12.5%", "25.0%", "62.5%"}));
}

}  // namespace
}  // namespace corvane
