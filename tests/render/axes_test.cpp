#include "render/axes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "render/text.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::Describe;
using testing::OpsNamed;
using testing::PdfOp;
using testing::PdfPage;
using testing::TestRun;

struct Metrics {
  double A, D, S, W;
};

// The metrics of a font, measured on a page of their own, and the width of one text in it.
Metrics Measure(const FontSpec& font, const std::string& text) {
  TestRun t;
  PdfPage pdf;
  ApplyFont(pdf.CanvasFor(t.run), font);
  return {Ascent(pdf.page), Descent(pdf.page), SpaceWidth(pdf.page), TextWidth(pdf.page, text)};
}

void ExpectAt(const PdfOp& tm, double x, double y, const std::string& what) {
  EXPECT_NEAR(tm.Num(4), x, 0.01) << what;
  EXPECT_NEAR(tm.Num(5), y, 0.01) << what;
}

// Captions around the area {50, 550, 750, 80}, which had bottom 40, left 20 and right 780 on entry.
TEST(AxesTest, CaptionsArePlacedByAlignmentAndSideAndTakeTheirRoom) {
  const FontSpec fontX{12, 5, kBlack, kTextStyleNormal, kBlack};   // Helvetica
  const FontSpec fontY{14, 10, kBlack, kTextStyleNormal, kBlack};  // Times-Bold
  const Metrics x = Measure(fontX, "Months"), y = Measure(fontY, "Sales");
  struct Case {
    int alignX, alignY, side;  // alignment 0: no caption
  } cases[] = {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {3, 0, 1}, {1, 1, 1}, {2, 3, 2}, {3, 2, 1},
               {0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {0, 1, 2}, {0, 2, 2}, {0, 3, 2}};
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    if (c.alignX) t.settings.AxesCaptionX = {fontX, c.alignX, "Months"};
    if (c.alignY) t.settings.AxesCaptionY = {fontY, c.alignY, "Sales"};
    t.settings.AxesLabelYPosition = c.side;
    ChartArea area{50, 550, 750, 80};
    DrawAxisCaptions(pdf.CanvasFor(t.run), area, 40, 20, 780);

    const std::string what = "X " + std::to_string(c.alignX) + " Y " + std::to_string(c.alignY) + " side " +
                             std::to_string(c.side);
    const auto tm = OpsNamed(pdf.Ops(), "Tm");
    ASSERT_EQ(tm.size(), (c.alignX > 0) + (c.alignY > 0)) << what;
    ChartArea expected{50, 550, 750, 80};
    if (c.alignX) {
      const double offset = c.alignY ? y.A + 2 * y.D : 0;  // the Y caption's column
      const double left = c.alignX == 1   ? 50 + offset
                          : c.alignX == 3 ? 750 - x.W
                                          : 50 + offset + (700 - offset - x.W) / 2;
      ExpectAt(tm[0], left, 40 + x.D, what);
      expected.bottom = static_cast<int>(40 + (40 + x.D) + x.A + x.D);
    }
    if (c.alignY) {
      // Upright, aligned within the area the X caption left.
      const double left = c.side == 1 ? 20 + y.A : 780 - y.A + 2 * y.D;
      const double b = expected.bottom;
      const double bottom = c.alignY == 1 ? 550 - y.W : c.alignY == 3 ? b : b + ((550 - b) - y.W) / 2;
      EXPECT_NEAR(tm.back().Num(1), 1, 1e-6) << what;
      ExpectAt(tm.back(), left, bottom, what);
      if (c.side == 1) expected.left = static_cast<int>(30 + left + 2 * y.D);
      if (c.side == 2) expected.right = static_cast<int>(left - 30 - 2 * y.D);
    }
    EXPECT_EQ(std::vector<int>({area.left, area.top, area.right, area.bottom}),
              std::vector<int>({expected.left, expected.top, expected.right, expected.bottom}))
        << what;
  }
}

// Grid lines 2 wide over the area {100, 500, 700, 100} in 4 divisions.
TEST(AxesTest, GridLinesLeaveTheOuterOnesToTheAxisLines) {
  struct Case {
    int style;
    double axesWidth;
    int format;
    std::vector<double> at;
  } cases[] = {
      {kStyleLineStandard, 0, 0, {101, 200, 300, 400, 499}}, {kStyleLineStandard, 2, 0, {200, 300, 400, 499}},
      {kStyleLineStandard, 2, 1, {200, 300, 400}},           {kStyleLineStandard, 0, 1, {101, 200, 300, 400}},
      {kStyleBarHorizontal, 0, 0, {101, 250, 400, 550, 699}}, {kStyleBarHorizontal, 2, 1, {250, 400, 550}},
      {kStylePie, 0, 0, {}},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.settings.Chart.style = c.style;
    t.settings.AxesDivisions = 4;
    t.settings.AxesGridLine = {2, {0, 1, 0}};
    t.settings.AxesLine = {c.axesWidth, kBlack, c.format};
    DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    std::ostringstream expected;
    expected << "2 w\n0 1 0 RG\n";
    for (double at : c.at) {
      if (c.style == kStyleBarHorizontal) expected << at << " 100 m\n" << at << " 500 l\nS\n";
      if (c.style != kStyleBarHorizontal) expected << "100 " << at << " m\n700 " << at << " l\nS\n";
    }
    EXPECT_EQ(Describe(pdf.Ops()), expected.str());
  }
}

TEST(AxesTest, DashedGridIsMadeSolidAgainAndEachLineComesBeforeItsLabel) {
  TestRun t;
  PdfPage pdf;
  t.settings.Chart.style = kStyleBarVertical;
  t.settings.AxesDivisions = 1;
  t.settings.AxesGridLine.width = 1;
  t.settings.AxesGridLineStyle = {3, 2, 1};
  t.settings.AxesLabelY = TimesRoman(10);
  t.run.scale = {0, 10, 10};
  DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
  const auto ops = pdf.Ops();
  std::string names;
  for (const PdfOp& op : ops) names += op.op + " ";
  EXPECT_EQ(names, "w RG d Tf Tr rg m l S BT Tm Tj ET m l S BT Tm Tj ET d ");
  EXPECT_EQ(Describe({ops[2], ops.back()}), "[3 2 ] 1 d\n[] 0 d\n");
}

TEST(AxesTest, ScaleLabelsFollowTheDivisionsAndSitBesideTheAxis) {
  struct Case {
    int style, side, N;
    int decimals;  // DecimalPoints, with decimalSeen when above 0
    bool timeValues;
    ScaleRange scale;
    std::vector<std::string> texts;
  } cases[] = {
      {kStyleBarVertical, 1, 4, 0, false, {0, 10, 10}, {"0", "2", "5", "7", "10"}},
      {kStyleAreaStandard, 2, 4, 1, false, {0, 10, 10}, {"0.0", "2.5", "5.0", "7.5", "10.0"}},
      {kStyleBarHorizontal, 1, 4, 1, false, {0, 10, 10}, {"0.0", "2.5", "5.0", "7.5", "10.0"}},
      {kStyleLineCurved, 1, 1, 0, false, {17, 50, 33}, {"17", "50"}},
      {kStyleLineStandard, 2, 2, 0, true, {0, 7200000, 7200000}, {"0:00:00", "1:00:00", "2:00:00"}},
      {kStyleBarHorizontal, 1, 1, 9, false, {0, 1.25e12, 1.25e12}, {"0.000000000", "1250000000000.00000"}},
  };
  const FontSpec font = TimesRoman(10);
  const Metrics m = Measure(font, "");
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.settings.Chart.style = c.style;
    t.settings.AxesLabelYPosition = c.side;
    t.settings.AxesDivisions = c.N;
    t.settings.DecimalPoints = c.decimals;
    (c.style == kStyleBarHorizontal ? t.settings.AxesLabelX : t.settings.AxesLabelY) = font;
    t.data.decimalSeen = c.decimals > 0;
    t.data.timeValues = c.timeValues;
    t.run.scale = c.scale;
    DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    const auto ops = pdf.Ops();
    EXPECT_EQ(testing::ShownTexts(ops), c.texts);
    const auto tm = OpsNamed(ops, "Tm");
    ASSERT_EQ(tm.size(), c.texts.size());
    for (int k = 0; k <= c.N; ++k) {
      const double w = Measure(font, c.texts[k]).W;
      if (c.style == kStyleBarHorizontal) {
        const double t0 = 100 + 600.0 * k / c.N;
        ExpectAt(tm[k], k == 0 ? t0 : k < c.N ? t0 - w / 2 : t0 - w, 100 - (m.A + m.D), c.texts[k]);
      } else {
        const double t0 = 100 + 400.0 * k / c.N;
        ExpectAt(tm[k], c.side == 1 ? 100 - (w + m.S) : 700 + m.D,
                 k == 0 ? t0 : k < c.N ? t0 - (m.A - m.D) / 2 : t0 - m.A, c.texts[k]);
      }
    }
  }
}

TEST(AxesTest, AxisLinesAreInsetByTheirWidth) {
  struct Case {
    double width;
    int format;
    std::string expected;
  } cases[] = {
      {0, 0, ""},
      {1, 0, "1 0 0 RG\n1 w\n100 500 m\n100 100 l\n700 100 l\nS\n"},
      {2, 0, "1 0 0 RG\n2 w\n100.75 500 m\n100.75 100.75 l\n700 100.75 l\nS\n"},
      {1.5, 1, "1 0 0 RG\n1.5 w\n100.5 100.5 599 399 re\nS\n"},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.settings.AxesLine = {c.width, {1, 0, 0}, c.format};
    DrawAxisLines(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(Describe(pdf.Ops()), c.expected);
  }
}

}  // namespace
}  // namespace corvane
