#include "charts/bar_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "charts/chart_page.h"

namespace corvane {
namespace {

// The bars fill the extent E across them, the first touching its start and the last its end; bars
// of 1 on the scale 0..4 are 100 long. A single bar stands in the middle.
TEST(BarChartTest, BarsFillTheExtentWhateverTheirNumber) {
  const struct { const char* what; int n, E, size; const char* ends; } cases[] = {
      {"three, spacing 18", 3, 300, 0, "rect 100 100 88 100; rect 312 100 88 100"},
      {"three of BarSize 50", 3, 300, 50, "rect 100 100 50 100; rect 350 100 50 100"},
      {"200 overlapping on 100", 200, 100, 0, "rect 100 100 1 100; rect 199 100 1 100"},
      {"200 of BarSize 50 on 100", 200, 100, 50, "rect 100 100 1 100; rect 199 100 1 100"},
      {"one of BarSize 50, centred", 1, 300, 50, "rect 225 100 50 100; rect 225 100 50 100"},
  };
  for (const auto& c : cases) {
    testing::ChartPage page(ChartStyle::kBarVertical, testing::Rows(c.n, {1}));
    if (c.size > 0) page.t.settings.BarSize = c.size;
    page.area.right = 100 + c.E;
    page.Record();
    const auto rects = page.recording.Calls("rect");
    ASSERT_EQ(rects.size(), static_cast<std::size_t>(c.n)) << c.what;
    EXPECT_EQ(rects.front() + "; " + rects.back(), c.ends) << c.what;
  }
}

// Five bars 60 thick at a pitch of 78, with values 0, 2, 4, 2, 2 on the scale 0..4.
TEST(BarChartTest, PairsCycleTheValuePicksTheColourAndBordersAreInset) {
  testing::ChartPage page(ChartStyle::kBarVertical, {{0}, {2}, {4}, {2}, {2}});
  page.area.right = 472;
  // From and to colours of two pairs: blue to red, and plain green.
  page.t.settings.BarColor = {{{{0, 0, 1}, {0, 1, 0}}}, {{{1, 0, 0}, {0, 1, 0}}}, 2};
  page.t.settings.BarBorder = {3, {1, 1, 0}};
  const auto ops = page.Draw();
  // Pairs 1, 2, 1, 2, 1: blue at the minimum, red at the maximum, purple halfway.
  EXPECT_EQ(testing::Written(ops, "rg"), "0 0 1 rg; 0 1 0 rg; 1 0 0 rg; 0 1 0 rg; 0.5 0 0.5 rg");
  // A border wider than 1 is inset by (width - 1) / 2: it reaches half a point past the fill.
  ASSERT_EQ(ops.size(), 35u);
  EXPECT_EQ(testing::Written({ops.begin() + 14, ops.begin() + 21}),
            "1 0 0 rg; 256 100 60 400 re; f; 1 1 0 RG; 3 w; 257 101 58 398 re; S");
}

// Bars of 20 and 1 on the scale 0..40, 191 thick at a pitch of 209 across 400 points, bordered 3
// wide and labelled in 10-point Times-Roman (A 6.83, D 2.17, S 2.5). Axis labels take their room
// from the plot; the End label of a short bar starts just above its base.
TEST(BarChartTest, LabelsStandAtTheirPosition) {
  const struct { ChartStyle style; BarLabelPosition position; YLabelPosition side; std::string labels; } cases[] = {
      {ChartStyle::kBarVertical, BarLabelPosition::kAxesAndEnd, YLabelPosition::kLeft,
       "1 0 0 1 191.5 104 Tm; (I0) Tj; 0 1 -1 0 197.83 292 Tm; (20) Tj; "
       "1 0 0 1 400.5 104 Tm; (I1) Tj; 0 1 -1 0 406.83 117.17 Tm; (1) Tj"},
      {ChartStyle::kBarHorizontal, BarLabelPosition::kAxes, YLabelPosition::kRight,
       "1 0 0 1 477 193.17 Tm; (I0=20) Tj; 1 0 0 1 477 402.17 Tm; (I1=1) Tj"},
  };
  for (const auto& c : cases) {
    testing::ChartPage page(c.style, {{20}, {1}});
    page.t.run.scale = {0, 40, 40};
    page.t.settings.BarBorder.width = 3;
    page.t.settings.BarLabel = {c.position, "TTTT=VVVV"};
    page.t.settings.AxesLabelYPosition = c.side;
    (c.style == ChartStyle::kBarVertical ? page.t.settings.AxesLabelX : page.t.settings.AxesLabelY) = TimesRoman(10);
    EXPECT_EQ(testing::Written(page.Draw(), "Tm Tj"), c.labels);
  }
}

// Every third axis label is written; the values written at the bars are never thinned.
TEST(BarChartTest, LabelSpacingThinsOnlyTheAxisLabels) {
  testing::ChartPage page(ChartStyle::kBarVertical, testing::Rows(7, {1}));
  page.t.settings.AxesLabelX = TimesRoman(10);
  page.t.settings.LabelSpacing = WholeOrAuto{.value = 3};
  EXPECT_EQ(ShownTexts(page.Draw()),
            std::vector<std::string>({"I0", "1", "1", "1", "I3", "1", "1", "1", "I6", "1"}));
}

// Upright labels under vertical bars are centred across their bar ((A - D) / 2 right of its middle)
// and hang from D under the plot, which gives the longest ("I49", 15) and 2 D. Fifty bars a point
// thick stand 8.14 apart, less than the labels' height of 10: Auto writes every second one; the
// values on the bars are never thinned.
TEST(BarChartTest, UprightAxisLabelsTakeTheirLengthAndAutoSpacesThem) {
  testing::ChartPage page(ChartStyle::kBarVertical, testing::Rows(50, {1}));
  page.t.settings.AxesLabelX = TimesRoman(10);
  page.t.settings.BarLabel = {BarLabelPosition::kAxesAndStart, ""};
  page.t.settings.CategoryLabelAngle = 90;
  page.t.settings.LabelSpacing = WholeOrAuto{.automatic = true};
  page.Record();
  EXPECT_EQ(page.area.bottom, 120);
  const auto& texts = page.recording.texts();
  EXPECT_EQ(texts[0].text + " " + testing::Number(texts[0].x) + " " + testing::Number(texts[0].y), "I0 103 107.5");
  const auto axisLabels = std::ranges::count_if(texts, [](const auto& text) { return text.text[0] == 'I'; });
  EXPECT_EQ(axisLabels, 25);
  EXPECT_EQ(texts.size(), 75u);
}

}  // namespace
}  // namespace corvane
