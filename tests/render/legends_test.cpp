#include "render/legends.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using enum LegendPosition;

// In 10-point Times-Roman the second label is by far the widest.
const std::string kLabels[] = {"North", "South-east region", "W", "Eastern", "Middle", "X", "Far north"};

TEST(LegendsTest, SeriesLegendTakesTheColumnsThatFit) {
  // Entries, position, chart width and height, and the columns taken.
  const std::tuple<int, LegendPosition, int, int, std::size_t> cases[] = {
      // Across: as many as fit, but not three of two rows that would leave the third empty.
      {7, kAbove, 700, 500, 4}, {4, kAbove, 700, 500, 2}, {7, kBelow, 210, 500, 3},
      // Beside: the fewest whose height fits, unless too wide; one even when it does not fit.
      {7, kLeft, 700, 500, 1}, {7, kLeft, 700, 60, 3}, {7, kRight, 360, 60, 2}, {3, kRight, 100, 500, 1},
  };
  for (const auto& [E, position, width, height, columns] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.data.seriesCount = E;
    t.settings.DataSeriesLegend.position = position;
    std::copy_n(kLabels, E, t.settings.DataSeriesLabel.begin());
    ChartArea area{50, 50 + height, 50 + width, 50};
    DrawSeriesLegend(pdf.CanvasFor(t.run), area);
    std::set<double> textStarts;
    for (const auto& tm : testing::OpsNamed(pdf.Ops(), "Tm")) textStarts.insert(tm.Num(4));
    EXPECT_EQ(textStarts.size(), columns) << E << " at " << static_cast<int>(position) << " in " << width << " x "
                                          << height;
  }
}

// All samples come before all texts; without pie colours the swatches are black.
TEST(LegendsTest, ItemLegendDrawsItsSwatchesBeforeItsTexts) {
  testing::TestRun t;
  testing::PdfPage pdf;
  t.data.count = 3;
  t.data.items.resize(3);
  t.settings.Legend = {kRight, kBlack, 1, kWhite, "x", FontSpec{10, StandardFont::kTimesRoman, {0, 0, 1}}};
  ChartArea area{50, 550, 750, 50};
  DrawItemLegend(pdf.CanvasFor(t.run), area);
  // The font's colour, the box's, three swatches and the font's colour again for the texts.
  EXPECT_EQ(testing::Describe(testing::OpsNamed(pdf.Ops(), "rg")),
            "0 0 1 rg\n1 1 1 rg\n0 0 0 rg\n0 0 0 rg\n0 0 0 rg\n0 0 1 rg\n");
}

// Grouped and stacked bars show each series' colour pair as an A x A swatch, in the colour
// halfway along the pair and outlined like the box, instead of a line sample with its marker.
TEST(LegendsTest, BarsOfEverySeriesShowColourSwatches) {
  for (BarSeries form : {BarSeries::kGrouped, BarSeries::kStacked}) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.data.seriesCount = 3;
    t.settings.Chart.style = ChartStyle::kBarVertical;
    t.settings.BarSeries = form;
    t.settings.BarColor = {{{{0, 0, 1}, {0, 1, 0}}}, {{{1, 0, 0}, {0, 1, 0}}}, 2};
    t.settings.DataSeriesLegend.position = kBelow;
    ChartArea area{50, 550, 750, 50};
    DrawSeriesLegend(pdf.CanvasFor(t.run), area);
    const auto ops = pdf.Ops();
    // The font's colour, the box's, blue to red halfway, plain green, the first pair again.
    EXPECT_EQ(testing::Describe(testing::OpsNamed(ops, "rg")),
              "0 0 0 rg\n1 1 1 rg\n0.5 0 0.5 rg\n0 1 0 rg\n0.5 0 0.5 rg\n0 0 0 rg\n");
    // The box and three swatches 6.83 square (the ascent of 10-point Times-Roman), filled and
    // outlined; no marker.
    const auto rects = testing::OpsNamed(ops, "re");
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_NEAR(rects[1].Num(2), 6.83, 0.01);
    EXPECT_NEAR(rects[1].Num(3), 6.83, 0.01);
    EXPECT_EQ(testing::OpsNamed(ops, "B").size(), 4u);
    EXPECT_TRUE(testing::OpsNamed(ops, "Do").empty());
  }
}

}  // namespace
}  // namespace corvane
