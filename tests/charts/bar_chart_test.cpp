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

// On the scale -1..3 a unit is 100 points and 0 lies 100 above the plot's start edge; bars of 2
// and -1 in slots 191 thick at a pitch of 209. From 0 a bar grows up (right) or down (left), and
// its labels follow its own start and end (recording font: A 7.5, D 2.5, S 5, digits 5 wide);
// a half-point line marks 0. On -5..-1 the bars hang from the end nearest 0 and no line is drawn.
TEST(BarChartTest, BarsFromZeroGrowEitherWayAndLabelTheirOwnEnds) {
  using enum ChartStyle;
  const struct { ChartStyle style; ScaleRange scale; testing::Rows rows; BarLabelPosition at; const char* bars;
                 const char* labels; const char* zeroLine; } cases[] = {
      {kBarVertical, {-1, 3, 4}, {{2}, {-1}}, BarLabelPosition::kEnd, "rect 100 200 191 200; rect 309 100 191 100",
       "text 2 198 390 90; text -1 407 105 90", "move 100 200; line 500 200"},
      {kBarVertical, {-1, 3, 4}, {{2}, {-1}}, BarLabelPosition::kStart, "rect 100 200 191 200; rect 309 100 191 100",
       "text 2 198 205 90; text -1 407 185 90", "move 100 200; line 500 200"},
      {kBarHorizontal, {-1, 3, 4}, {{2}, {-1}}, BarLabelPosition::kEnd, "rect 200 100 200 191; rect 100 309 100 191",
       "text 2 390 193 0; text -1 105 402 0", "move 200 100; line 200 500"},
      {kBarHorizontal, {-1, 3, 4}, {{2}, {-1}}, BarLabelPosition::kCenter, "rect 200 100 200 191; rect 100 309 100 191",
       "text 2 297.5 193 0; text -1 145 402 0", "move 200 100; line 200 500"},
      {kBarVertical, {-5, -1, 4}, {{-3}}, BarLabelPosition::kEnd, "rect 100 300 400 200", "text -3 302.5 305 90", ""},
  };
  for (const auto& c : cases) {
    testing::ChartPage page(c.style, c.rows);
    page.t.run.scale = c.scale;
    page.t.settings.BarBase = BarBase::kZero;
    page.t.settings.BarLabel = {c.at, "VVVV"};
    (c.style == kBarVertical ? page.t.settings.AxesLabelX : page.t.settings.AxesLabelY) = TimesRoman(10);
    page.Record();
    EXPECT_EQ(page.recording.Joined("rect"), c.bars) << c.labels;
    EXPECT_EQ(page.recording.Joined("text"), c.labels);
    EXPECT_EQ(page.recording.Joined("move line"), c.zeroLine) << c.labels;
  }
}

// Three items of three series in slots 170 thick at a pitch of 180 (E 530, BarSpacing 10), on the
// scale -1..3 (0 at y 200, 100 points a unit); the axis labels' room makes the plot's bottom 100.
// Grouped bars are 170 x 5 / 17 = 50 thick, a tenth of that apart; stacked segments fill the slot,
// the positive ones piled from 0 and the negative one hanging from it, and a 0 adds nothing.
// Series k takes colour pair k (red, green, blue); every bar and segment is labelled with its value.
TEST(BarChartTest, GroupedBarsStandSideBySideAndStackedSegmentsPileFromZero) {
  const struct { BarSeries form; const char* colours; const char* bars; const char* labels; } cases[] = {
      {BarSeries::kGrouped, "r g b r g b r g b",
       "rect 100 200 50 200; rect 160 200 50 100; rect 220 100 50 100; "
       "rect 280 200 50 100; rect 340 200 50 100; rect 400 200 50 100; "
       "rect 460 200 50 100; rect 520 200 50 0; rect 580 200 50 200",
       "text I0 180 90 0; text 2 127.5 390 90; text 1 187.5 290 90; text -1 247.5 105 90; "
       "text I1 360 90 0; text 1 307.5 290 90; text 1 367.5 290 90; text 1 427.5 290 90; "
       "text I2 540 90 0; text 1 487.5 290 90; text 0 547.5 202.5 90; text 2 607.5 390 90"},
      {BarSeries::kStacked, "r g b r g b r b",
       "rect 100 200 170 200; rect 100 400 170 100; rect 100 100 170 100; "
       "rect 280 200 170 100; rect 280 300 170 100; rect 280 400 170 100; "
       "rect 460 200 170 100; rect 460 300 170 200",
       "text I0 180 90 0; text 2 187.5 390 90; text 1 187.5 490 90; text -1 187.5 105 90; "
       "text I1 360 90 0; text 1 367.5 290 90; text 1 367.5 390 90; text 1 367.5 490 90; "
       "text I2 540 90 0; text 1 547.5 290 90; text 2 547.5 490 90"},
  };
  for (const auto& c : cases) {
    testing::ChartPage page(ChartStyle::kBarVertical, {{2, 1, -1}, {1, 1, 1}, {1, 0, 2}});
    page.area = {100, 500, 630, 85};
    page.t.run.scale = {-1, 3, 4};
    page.t.settings.BarSpacing = 10;
    page.t.settings.BarBase = BarBase::kZero;
    page.t.settings.BarSeries = c.form;
    page.t.settings.BarColor = {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, 3};
    page.t.settings.AxesLabelX = TimesRoman(10);
    page.Record();
    // The colour each bar is filled with, by its first letter.
    std::string colours;
    const auto& calls = page.recording.calls();
    for (std::size_t k = 1; k < calls.size(); ++k) {
      if (calls[k].rfind("rect", 0) != 0 || calls[k - 1].rfind("fill-color", 0) != 0) continue;
      colours += std::string(colours.empty() ? "" : " ") + (calls[k - 1] == "fill-color 1 0 0"   ? "r"
                                                            : calls[k - 1] == "fill-color 0 1 0" ? "g"
                                                                                                 : "b");
    }
    EXPECT_EQ(colours, c.colours);
    EXPECT_EQ(page.recording.Joined("rect"), c.bars);
    EXPECT_EQ(page.recording.Joined("text"), c.labels);
    EXPECT_EQ(page.recording.Joined("move line"), "move 100 200; line 630 200");
  }
}

}  // namespace
}  // namespace corvane
