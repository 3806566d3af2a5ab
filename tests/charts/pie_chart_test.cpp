#include "charts/pie_chart.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "charts/chart_page.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::Rows;
using testing::Written;

// Where the pen goes, each curve by its end point alone. The pie of ChartPage's area has its
// centre at (300, 300) and a radius of 200.
std::string PenPath(std::vector<testing::PdfOp> ops) {
  for (testing::PdfOp& op : ops) {
    if (op.op == "c") op.operands.erase(op.operands.begin(), op.operands.begin() + 4);
  }
  return Written(ops);
}

// Each slice: from the centre a line to where the previous arc ended, its arc, and back.
TEST(PieChartTest, EachSliceIsOnePathFromTheCentreAroundItsArcAndBack) {
  // Arcs come in quarters from the slice's start, clockwise from the top.
  ChartPage page(ChartStyle::kPie, {{1}, {1}});
  EXPECT_EQ(PenPath(page.Draw()),
            "0 0 0 rg; 300 300 m; 300 300 l; 300 500 l; 500 300 c; 300 100 c; 300 300 l; f; "
            "0 0 0 rg; 300 300 m; 300 100 l; 300 100 l; 100 300 c; 300 500 c; 300 300 l; f");
}

// The library draws no arc of a whole turn: the disc is two half arcs, without a seam.
TEST(PieChartTest, AWholeTurnIsTheWholeDiscInTwoHalves) {
  ChartPage page(ChartStyle::kPie, Rows{{5}});
  page.t.settings.PieOutlineColor = {true, kBlack, 2};
  EXPECT_EQ(PenPath(page.Draw()),
            "0 0 0 RG; 2 w; 0 0 0 rg; 300 499 m; 499 300 c; 300 101 c; 300 101 l; 101 300 c; 300 499 c; b");
}

TEST(PieChartTest, WithoutPieColoursEverySliceIsBlack) {
  ChartPage page(ChartStyle::kPie, Rows(60, {1}));
  const auto fills = OpsNamed(page.Draw(), "rg");
  EXPECT_EQ(fills.size(), 60u);
  EXPECT_EQ(Written(fills).find_first_not_of("0 rg;"), std::string::npos);
}

// A slice running backwards fails as the library's own error; a sum of 0 leaves every slice
// empty (tests/e2e/extreme_charts.txt draws it without an undefined number).
TEST(PieChartTest, NegativeValuesFailAndASumOfZeroDrawsEmptySlices) {
  ChartPage negative(ChartStyle::kPie, {{1}, {-1}, {2}});
  try {
    negative.Draw();
    ADD_FAILURE() << "no error raised";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "libharu error 0x1056 (0)");
  }
  ChartPage zero(ChartStyle::kPie, {{0}, {0}});
  zero.t.settings.PieLabel.position = PieLabelPosition::kSpoke;
  EXPECT_EQ(Written(zero.Draw(), "c"), "");
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
