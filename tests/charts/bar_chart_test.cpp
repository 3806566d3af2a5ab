#include "charts/bar_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/text.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::OpsNamed;
using testing::PdfOp;
using testing::PdfPage;
using testing::ShownTexts;
using testing::TestRun;

const char* const kNames[] = {"North", "South", "East", "West", "Central", "Islands", "Overseas"};

// n bars on a scale of 0 to 40, values 10, 20, 30, 10, 20, ... and one plain blue pair.
void BarsOf(TestRun& t, int style, int n) {
  t.settings.Chart = {1, style};
  t.settings.BarColor.count = 1;
  t.settings.BarColor.fromColor[0] = t.settings.BarColor.toColor[0] = {0, 0, 1};
  t.data.count = n;
  t.data.seriesCount = 1;
  for (int i = 0; i < n; ++i) t.data.items[i] = {kNames[i % 7], {10.0 * (i % 3 + 1)}};
  t.run.scale = {0, 40, 40};
}

void ExpectNumbers(const PdfOp& op, const std::vector<double>& expected, const std::string& what) {
  ASSERT_EQ(op.operands.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(op.Num(i), expected[i], 0.01) << what << " #" << i;
  }
}

// The plot is 300 across the bars and 400 along them: {50, 500, 350, 100} for vertical bars.
TEST(BarChartTest, BarsFillTheExtentWhateverTheirNumber) {
  struct Case {
    const char* name;
    int style, n, E, size;
    double t, first, pitch;
  } cases[] = {
      {"three, spacing 18", kStyleBarVertical, 3, 300, 0, 88, 0, 106},
      {"three of BarSize 50", kStyleBarVertical, 3, 300, 50, 50, 0, 125},
      {"three too wide to fit", kStyleBarVertical, 3, 300, 150, 99, 0, 100.5},
      {"200 overlapping on 100", kStyleBarVertical, 200, 100, 0, 1, 0, 1 + (100.0 - 200) / 199},
      {"one filling the extent", kStyleBarVertical, 1, 300, 0, 300, 0, 0},
      {"one of BarSize 50, centred", kStyleBarVertical, 1, 300, 50, 50, 125, 0},
      {"three horizontal", kStyleBarHorizontal, 3, 300, 0, 88, 0, 106},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    BarsOf(t, c.style, c.n);
    t.settings.BarSize = c.size;
    const bool vertical = c.style == kStyleBarVertical;
    ChartArea area = vertical ? ChartArea{50, 500, 50 + c.E, 100} : ChartArea{50, 100 + c.E, 450, 100};
    DrawBarChart(pdf.CanvasFor(t.run), area);

    const auto ops = pdf.Ops();
    ASSERT_EQ(ops.size(), 3u * c.n) << c.name << "\n" << testing::Describe(ops);  // rg re f per bar
    const auto rects = OpsNamed(ops, "re");
    for (int i = 0; i < c.n; ++i) {
      const double across = c.first + i * c.pitch, len = 400 * t.data.items[i].values[0] / 40;
      ExpectNumbers(rects[i], vertical ? std::vector<double>{50 + across, 100, c.t, len}
                                       : std::vector<double>{50, 100 + across, len, c.t},
                    std::string(c.name) + " bar " + std::to_string(i));
    }
  }
}

// Five bars 141 thick at a pitch of 159 with values 0, 5, 10, 5, 5 on a scale of 0 to 10.
TEST(BarChartTest, PairsCycleTheValuePicksTheColourAndBordersAreInset) {
  for (double width : {0.5, 3.0}) {
    TestRun t;
    PdfPage pdf;
    BarsOf(t, kStyleBarVertical, 5);
    auto& colors = t.settings.BarColor;
    colors.count = 2;
    colors.fromColor[0] = {0, 0, 1};
    colors.toColor[0] = {1, 0, 0};
    colors.fromColor[1] = colors.toColor[1] = {0, 1, 0};
    const double values[] = {0, 5, 10, 5, 5};
    for (int i = 0; i < 5; ++i) t.data.items[i].values[0] = values[i];
    t.run.scale = {0, 10, 10};
    t.settings.BarBorder = {width, {1, 1, 0}};
    ChartArea area{50, 500, 827, 100};
    DrawBarChart(pdf.CanvasFor(t.run), area);

    // Pairs 1, 2, 1, 2, 1: blue at the minimum, red at the maximum, purple halfway. A border
    // wider than 1 is inset by (width - 1) / 2.
    const std::vector<double> fill[] = {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 1, 0}, {0.5, 0, 0.5}};
    const double bi = width > 1 ? 1 : 0;
    const auto ops = pdf.Ops();
    ASSERT_EQ(ops.size(), 35u) << testing::Describe(ops);
    for (int i = 0; i < 5; ++i) {
      const std::string what = "width " + std::to_string(width) + " bar " + std::to_string(i);
      const PdfOp* bar = &ops[7 * i];
      std::string path;
      for (int k = 0; k < 7; ++k) path += bar[k].op;
      EXPECT_EQ(path, "rgrefRGwreS") << what;
      ExpectNumbers(bar[0], fill[i], what);
      ExpectNumbers(bar[1], {50 + 159.0 * i, 100, 141, 40 * values[i]}, what);
      ExpectNumbers(bar[3], {1, 1, 0}, what);
      ExpectNumbers(bar[4], {width}, what);
      ExpectNumbers(bar[5], {50 + 159.0 * i + bi, 100 + bi, 141 - 2 * bi, 40 * values[i] - 2 * bi}, what);
    }
  }
}

// Bars of 20 and 2 on a scale of 0 to 40 in the plot {50, 400, 350, 100} less the label room,
// 141 thick at a pitch of 159, bordered 3 wide (bi = 1), labelled in 12-point Helvetica.
TEST(BarChartTest, LabelsStandAtTheirPositionInBothPasses) {
  for (int style : {kStyleBarVertical, kStyleBarHorizontal}) {
    for (int position = kBarLabelStart; position <= kBarLabelAxesAndCenter; ++position) {
      for (int side : {1, 2}) {
        TestRun t;
        PdfPage pdf;
        BarsOf(t, style, 2);
        t.data.items[0].values[0] = 20;
        t.data.items[1].values[0] = 2;
        t.settings.BarBorder.width = 3;
        t.settings.BarLabel.position = position;
        t.settings.AxesLabelYPosition = side;
        const bool vertical = style == kStyleBarVertical;
        FontSpec& font = vertical ? t.settings.AxesLabelX : t.settings.AxesLabelY;
        font = FontSpec{12, 5, kBlack, kTextStyleNormal, kBlack};
        const Canvas canvas = pdf.CanvasFor(t.run);
        ApplyFont(canvas, font);
        const double A = Ascent(pdf.page), D = Descent(pdf.page), S = SpaceWidth(pdf.page);
        auto W = [&](const std::string& text) { return TextWidth(pdf.page, text); };

        const bool atAxis = position >= kBarLabelAxes, twoPasses = position >= kBarLabelAxesAndStart;
        const int w = static_cast<int>(position == kBarLabelAxes
                                           ? std::max(W("North (20)"), W("South (2)")) + 2 * S
                                           : std::max(W("North"), W("South")) + S);
        ChartArea area{50, 400, 350, 100};
        ChartArea plot = area;
        if (vertical && atAxis) plot.bottom += static_cast<int>(A + 3 * D);
        if (!vertical && atAxis && side == 1) plot.left += w;
        if (!vertical && atAxis && side == 2) plot.right -= w;
        DrawBarChart(canvas, area);
        EXPECT_EQ(std::vector<int>({area.left, area.right, area.bottom}),
                  std::vector<int>({plot.left, plot.right, plot.bottom}));

        // Upright labels read upwards: the text matrix turns by 90 degrees.
        struct Label {
          bool upright;
          double x, y;
          std::string text;
        };
        std::vector<Label> expected;
        const double L = vertical ? plot.top - plot.bottom : plot.right - plot.left;
        const double b = plot.bottom, l = plot.left;
        for (int i = 0; i < 2; ++i) {
          const double len = L * (i == 0 ? 20 : 2) / 40, middle = 159.0 * i + 70.5;
          const std::string name = i == 0 ? "North" : "South", value = i == 0 ? "20" : "2";
          for (int q = 0; q < (twoPasses ? 2 : 1); ++q) {
            const std::string text = !twoPasses ? name + " (" + value + ")" : q == 0 ? name : value;
            const int at = q == 1 ? position - 4 : atAxis ? kBarLabelAxes : position;
            const double tw = static_cast<int>(W(text));
            auto add = [&](bool upright, double x, double y) { expected.push_back({upright, x, y, text}); };
            if (vertical) {
              const double xc = l + middle, xr = xc + (A - D) / 2, minY = b + D + 2;
              if (at == kBarLabelStart) add(true, xr, b + 2 * D + 2);
              if (at == kBarLabelEnd) add(true, xr, std::max(b + len - tw - S - 2, minY));
              if (at == kBarLabelCenter) add(true, xr, std::max(b + len / 2 - tw / 2, minY));
              if (at == kBarLabelAxes) add(false, xc - tw / 2, b - A - D);
            } else {
              const double y = b + middle - (A - D) / 2, minX = l + S + 2;
              if (at == kBarLabelStart) add(false, l + S + 2, y);
              if (at == kBarLabelEnd) add(false, std::max(l + len - tw - S - 2, minX), y);
              if (at == kBarLabelCenter) add(false, std::max(l + len / 2 - tw / 2, minX), y);
              if (at == kBarLabelAxes) add(false, side == 1 ? l - (S + tw) : plot.right + 2 * S, y);
            }
          }
        }

        const auto ops = pdf.Ops();
        const auto tm = OpsNamed(ops, "Tm");
        const auto texts = ShownTexts(ops);
        const std::string what = "style " + std::to_string(style) + " position " + std::to_string(position) +
                                 " side " + std::to_string(side);
        ASSERT_EQ(tm.size(), expected.size()) << what;
        for (std::size_t k = 0; k < expected.size(); ++k) {
          const Label& e = expected[k];
          EXPECT_EQ(texts[k], e.text) << what;
          ExpectNumbers(tm[k], e.upright ? std::vector<double>{0, 1, -1, 0, e.x, e.y}
                                         : std::vector<double>{1, 0, 0, 1, e.x, e.y},
                        what + " label " + std::to_string(k));
        }
      }
    }
  }
}

TEST(BarChartTest, LabelSpacingThinsAllButTheValuesOfTheTwoPassPositions) {
  struct Case {
    int position;
    std::vector<std::string> texts;
  } cases[] = {
      {kBarLabelAxesAndEnd, {"North", "10", "20", "30", "West", "10", "20", "30", "Overseas", "10"}},
      {kBarLabelAxes, {"North (10)", "West (10)", "Overseas (10)"}},
      {kBarLabelCenter, {"North (10)", "West (10)", "Overseas (10)"}},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    BarsOf(t, kStyleBarVertical, 7);
    t.settings.AxesLabelX = TimesRoman(10);
    t.settings.BarLabel.position = c.position;
    t.settings.LabelSpacing = 3;
    ChartArea area{50, 500, 750, 100};
    DrawBarChart(pdf.CanvasFor(t.run), area);
    EXPECT_EQ(ShownTexts(pdf.Ops()), c.texts) << "position " << c.position;
  }
}

// Vertical bars measure the scale's room on the maximum as a plain number, even for times.
TEST(BarChartTest, ScaleLabelRoomAndDrawingOrder) {
  TestRun t;
  PdfPage pdf;
  BarsOf(t, kStyleBarVertical, 2);
  t.data.timeValues = true;
  t.run.scale = {0, 3600000, 3600000};
  t.settings.AxesLabelY = TimesRoman(10);
  t.settings.AxesGridLine.width = 0.5;
  t.settings.AxesLine = {2, {0, 0, 1}, 0};
  const Canvas canvas = pdf.CanvasFor(t.run);
  ApplyFont(canvas, t.settings.AxesLabelY);
  const int w = static_cast<int>(TextWidth(pdf.page, "3600000") + 2 * SpaceWidth(pdf.page));
  ChartArea area{50, 500, 350, 100};
  DrawBarChart(canvas, area);
  EXPECT_EQ(area.left, 50 + w);

  // Grid and scale labels, then the bars, then the axis lines over them.
  const auto ops = pdf.Ops();
  std::string order;
  for (const PdfOp& op : ops) {
    if (op.op == "Tj" && (order.empty() || order.back() != 'T')) order += 'T';
    if (op.op == "f") order += 'f';
  }
  EXPECT_EQ(order, "Tff");
  EXPECT_EQ(ShownTexts(ops).back(), "1:00:00");
  const std::size_t n = ops.size();
  std::string last;
  for (std::size_t i = n - 6; i < n; ++i) last += ops[i].op;
  EXPECT_EQ(last, "RGwmllS");
  ExpectNumbers(ops[n - 4], {50 + w + 0.75, 500}, "axis line");
}

}  // namespace
}  // namespace corvane
