#include "charts/line_chart.h"

#include <gtest/gtest.h>

#include "charts/chart_page.h"

namespace corvane {
namespace {

TEST(LineChartTest, SeriesPathsTakeTheShapeOfTheStyle) {
  // Stepped: rising half-way between items, flat through each point and on to the last.
  EXPECT_EQ(testing::PathOf(ChartStyle::kLineStepped, {{1}, {3}, {2}}, nullptr, "0 0 0 RG"),
            "100 200 m; 200 200 l; 200 400 l; 400 400 l; 400 300 l; 500 300 l; S");
  // Curved through points on one straight line: the handles between real neighbours lie on it;
  // the end segments bend toward virtual points level with the ends, a third of a step outside.
  EXPECT_EQ(testing::PathOf(ChartStyle::kLineCurved, {{0}, {1}, {2}, {3}, {4}}, nullptr, "0 0 0 RG"),
            "100 100 m; 153.95 140.46 150 150 200 200 c; 250 250 250 250 300 300 c; "
            "350 350 350 350 400 400 c; 450 450 446.05 459.54 500 500 c; S");
}

// On a plot 10 points wide, 10 items stand 10 / 9 apart from edge to edge; with more items than
// points each takes a little over a point, 11 stand 1.1 apart and the line runs past the edge.
TEST(LineChartTest, ItemsSpreadOverThePlotUntilThereAreMoreItemsThanPoints) {
  for (int n : {10, 11}) {
    testing::ChartPage page(ChartStyle::kLineStandard, testing::Rows(n, {1}));
    page.area.right = 110;
    const auto lines = OpsNamed(page.Draw(), "l");
    EXPECT_EQ(testing::Written({lines.front(), lines.back()}),
              n == 10 ? "101.11 200 l; 110 200 l" : "101.1 200 l; 111 200 l");
  }
}

// Two series of two items, each line one path; each series' marker is one stamp, placed at
// every point of the series.
TEST(LineChartTest, MarkersOfEverySeriesComeAfterAllLines) {
  testing::ChartPage page(ChartStyle::kLineStandard, {{1, 2}, {3, 1}});
  page.t.settings.LineMarker.on = true;
  page.Record();
  EXPECT_EQ(page.recording.Joined("stroke-path place"),
            "stroke-path m 100 200, l 500 400; stroke-path m 100 300, l 500 200; "
            "place 1 100 200; place 1 500 400; place 2 100 300; place 2 500 200");
  EXPECT_EQ(page.recording.Calls("stamp").size(), 2u);
}

// Turned by 45 degrees, the labels (10 wide, A 7.5, D 2.5) take D + (A + D) cos + 10 sin + D =
// 19.14 under the plot, cut to 19; each ends under its point, its end's middle at x + (A - D) / 2
// sin, its top corner D under the plot. Thinned by Auto, labels 60 wide 36.36 apart are written
// every second item, as the plot leaves room for a blank between them.
TEST(LineChartTest, TurnedLabelsEndUnderTheirPointsAndAutoThinsThem) {
  testing::ChartPage turned(ChartStyle::kLineStandard, {{0}, {0}, {0}});
  turned.t.settings.AxesLabelX = TimesRoman(10);
  turned.t.settings.CategoryLabelAngle = 45;
  turned.Record();
  EXPECT_EQ(turned.area.bottom, 119);
  EXPECT_EQ(turned.recording.Joined("text"), "text I0 94.7 104.13 45; text I1 294.7 104.13 45; text I2 494.7 104.13 45");

  testing::ChartPage thinned(ChartStyle::kLineStandard, testing::Rows(12, {0}));
  for (DataItem& item : thinned.t.data.items) item.label = "January 2026";
  thinned.t.settings.AxesLabelX = TimesRoman(10);
  thinned.t.settings.LabelSpacing = WholeOrAuto{.automatic = true};
  thinned.Record();
  std::vector<std::string> x;
  for (const testing::ShownText& text : thinned.recording.texts()) x.push_back(testing::Number(text.x));
  EXPECT_EQ(x, std::vector<std::string>({"70", "142.73", "215.45", "288.18", "360.91", "433.64"}));
}

}  // namespace
}  // namespace corvane
