#include "charts/page_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_surface.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using Rows = std::vector<std::vector<double>>;  // one row of series values per item

// A chart of the rows on an 800 x 600 recording page, whose fonts have round metrics: at size
// s, A = 0.75 s, D = 0.25 s, and every character (a blank too) 0.5 s wide.
struct Page {
  Page(ChartStyle style, const Rows& rows, ScaleRange scale = {0, 4, 4}) {
    t.settings.Chart.style = style;
    t.Fill(rows);
    t.run.scale = scale;
  }
  Canvas canvas() { return Canvas{recording, t.settings, t.data, t.run.scale, t.run.log, fonts}; }
  ChartOutcome Draw() { return DrawChartPage(canvas()); }
  std::vector<int> AutoMargins() {
    const PageMargins m = AutoPageMargins(canvas());
    return {m.left, m.top, m.right, m.bottom};
  }
  // The texts whose box does not lie 5 points or more inside the page.
  std::vector<std::string> TextsNearTheEdge() const {
    std::vector<std::string> near;
    for (const testing::ShownText& shown : recording.texts()) {
      const testing::TextBox b = testing::BoxOf(shown);
      if (b.left < 4.99 || b.bottom < 4.99 || b.right > 795.01 || b.top > 595.01) near.push_back(shown.text);
    }
    return near;
  }

  testing::TestRun t;
  testing::RecordingSurface recording;
  TextFonts fonts{recording, t.settings, t.run.fonts, t.run.log};
};

// A margin of 20 insets the area the heading takes its room from: the heading starts half a blank
// (of 18 points) in, A + 2D under the margin, and the pie fills what the heading leaves. Without
// headings the margin replaces the layout's own 5 points.
TEST(PageLayoutTest, AMarginInsetsThePageBeforeTheHeadings) {
  Page titled(ChartStyle::kPie, {{1}, {1}});
  titled.t.settings.PageMargin = WholeOrAuto{.value = 20};
  titled.t.settings.Title = "T";
  ASSERT_EQ(titled.Draw(), ChartOutcome::kDrawn);
  EXPECT_EQ(titled.recording.Joined("text arc"),
            "text T 24.5 557.5 0; arc 400 286 262 0 180; arc 400 286 262 180 360");
  Page bare(ChartStyle::kPie, {{1}, {1}});
  bare.t.settings.PageMargin = WholeOrAuto{.value = 20};
  bare.Draw();
  EXPECT_EQ(bare.recording.Calls("arc").front(), "arc 400 300 280 0 180");
}

// The first label (60 wide) is centred on the plot's left edge, which the scale labels' room of
// 2 S + W("66") = 20 puts 20 in from the margin: 15 keeps it 5 from the page. The last (65 wide)
// is centred on the right edge: 37.5, rounded up to whole points.
TEST(PageLayoutTest, AutoKeepsTheEndLabelsOfALineChartOnThePage) {
  Page page(ChartStyle::kLineStandard, Rows(12, {33}), {0, 66, 66});
  page.t.data.items.front().label = "January 2025";
  page.t.data.items.back().label = "December 2026";
  page.t.settings.AxesLabelX = TimesRoman(10);
  page.t.settings.AxesLabelY = TimesRoman(10);
  page.t.settings.PageMargin = WholeOrAuto{.automatic = true};
  EXPECT_EQ(page.AutoMargins(), std::vector<int>({15, 5, 38, 5}));
  ASSERT_EQ(page.Draw(), ChartOutcome::kDrawn);
  EXPECT_EQ(page.TextsNearTheEdge(), std::vector<std::string>{});
  const auto& first = page.recording.texts()[11];  // after the scale's 11 labels
  EXPECT_EQ(testing::Number(first.x) + " " + first.text, "5 January 2025");
}

// Labels of 130 turned by 45 degrees take 130 cos + 10 sin + S = 103.99 beside the bars, cut to
// 103: the first label's box reaches 0.99 past the least margin, which grows to 6. The lowest
// bar's label hangs 95.46 below its middle, which a margin of 5 puts at 97.33: the bottom grows
// by 3.13, rounded up, and the bars it shortens bring the label to 5.21.
TEST(PageLayoutTest, AutoKeepsTurnedLabelsOfHorizontalBarsOnThePage) {
  Page page(ChartStyle::kBarHorizontal, {{1}, {2}, {3}});
  for (DataItem& item : page.t.data.items) item.label = "A very long category label";
  page.t.settings.AxesLabelY = TimesRoman(10);
  page.t.settings.CategoryLabelAngle = 45;
  page.t.settings.PageMargin = WholeOrAuto{.automatic = true};
  EXPECT_EQ(page.AutoMargins(), std::vector<int>({6, 5, 5, 9}));
  ASSERT_EQ(page.Draw(), ChartOutcome::kDrawn);
  EXPECT_EQ(page.TextsNearTheEdge(), std::vector<std::string>{});
}

// Labels of 150 outside a pie of two halves: measured once, as ever, the sides move in by the 40
// they stick out, which leaves the pie (as high as it can be) as it was and the labels 40 off the
// page. With Auto they are measured again until the pie, of radius 240, holds them exactly.
TEST(PageLayoutTest, AutoFitsOutsidePieLabelsWithinTheSides) {
  for (const bool automatic : {false, true}) {
    Page page(ChartStyle::kPie, {{1}, {1}});
    for (DataItem& item : page.t.data.items) item.label = "The label of a long slice name";
    page.t.settings.PieLabel = {PieLabelPosition::kOutside, "TTTT", TimesRoman(10)};
    if (automatic) page.t.settings.PageMargin = WholeOrAuto{.automatic = true};
    ASSERT_EQ(page.Draw(), ChartOutcome::kDrawn);
    if (automatic) {
      EXPECT_EQ(page.recording.Joined("arc text"),
                "arc 400 300 240 0 180; arc 400 300 240 180 360; "
                "text The label of a long slice name 645 295 0; text The label of a long slice name 5 297.5 0");
      EXPECT_EQ(page.TextsNearTheEdge(), std::vector<std::string>{});
    } else {
      EXPECT_EQ(page.recording.Calls("arc").front(), "arc 400 300 280 0 180");
      EXPECT_EQ(page.TextsNearTheEdge().size(), 2u);
    }
  }
}

// A legend wider than the page runs past both sides whatever the margins, which only move it from
// one side to the other: Auto leaves them at 5 rather than widen them for nothing.
TEST(PageLayoutTest, AutoLeavesASideItsMarginWhenWideningBringsNothing) {
  Page page(ChartStyle::kPie, {{1}, {1}});
  page.t.data.items[0].label = std::string(85, 'W');
  page.t.settings.Legend.position = LegendPosition::kAbove;
  page.t.settings.Legend.format = "TTTT";
  page.t.settings.Legend.font = TimesRoman(20);  // 85 characters 850 wide
  page.t.settings.PageMargin = WholeOrAuto{.automatic = true};
  EXPECT_EQ(page.AutoMargins(), std::vector<int>({5, 5, 5, 5}));
}

}  // namespace
}  // namespace corvane
