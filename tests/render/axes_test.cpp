#include "render/axes.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

// Times-Roman 10: ascender 6.83, descender 2.17; "Months" is 30.56 wide and "Sales" 21.11. The
// area {50, 550, 750, 80} had bottom 40, left 20 and right 780 on entry.
TEST(AxesTest, CaptionsAreAlignedOnEitherSideAndTakeTheirRoom) {
  // X and Y alignment, the Y caption's side, the texts placed, the area left.
  using H = HorizontalAlignment;
  using V = VerticalAlignment;
  using Side = YLabelPosition;
  const std::tuple<H, V, Side, Lines, std::vector<int>> cases[] = {
      {H::kCentre, V::kTop, Side::kLeft, {"Months 390.305 42.17", "Sales 26.83 528.89"}, {61, 550, 750, 91}},
      {H::kLeft, V::kBottom, Side::kRight, {"Months 61.17 42.17", "Sales 777.51 91"}, {50, 550, 743, 91}},
  };  // the first with X clear of Y
  for (const auto& [alignX, alignY, side, texts, expected] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.AxesCaptionX = {TimesRoman(10), alignX, "Months"};
    t.settings.AxesCaptionY = {TimesRoman(10), alignY, "Sales"};
    t.settings.AxesLabelYPosition = side;
    ChartArea area{50, 550, 750, 80};
    DrawAxisCaptions(pdf.CanvasFor(t.run), area, 40, 20, 780);
    EXPECT_EQ(testing::PlacedTexts(pdf.Ops()), texts);
    EXPECT_EQ((std::vector<int>{area.left, area.top, area.right, area.bottom}), expected);
  }
}

// Over {100, 500, 700, 100} in 2 divisions: grid lines 2 wide, the outer ones moved half a width
// inwards and left to the axis lines that lie over them; scale labels in Times-Roman 10 (digits 5
// wide, "." and a blank 2.5), the lowest on its line, the middle one centred, the top one below.
TEST(AxesTest, ValueAxisDrawsGridLinesAndScaleLabelsAtEachDivision) {
  // Style, label side, axis line width and format, scale top, decimals; grid line starts; labels.
  using Side = YLabelPosition;
  using Format = AxesLineFormat;
  const std::tuple<ChartStyle, Side, double, Format, double, int, const char*, Lines> cases[] = {
      // Labels cut at 19 characters and placed by the width of what is left.
      {ChartStyle::kBarVertical, Side::kLeft, 0, Format::kXY, 1.25e12, 9, "100 101 m\n100 300 m\n100 499 m\n",
       {"0.000000000 45 100", "625000000000.000000 5 297.67", "1250000000000.00000 5 493.17"}},
      {ChartStyle::kAreaStandard, Side::kRight, 2, Format::kXY, 10, 0, "100 300 m\n100 499 m\n",
       {"0 702.17 100", "5 702.17 297.67", "10 702.17 493.17"}},
      {ChartStyle::kBarHorizontal, Side::kLeft, 2, Format::kFull, 10, 0, "400 100 m\n", {"0 100 91", "5 397.5 91", "10 690 91"}},
  };
  for (const auto& [style, side, axesWidth, format, maximum, decimals, starts, labels] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Chart.style = style;
    t.settings.AxesLabelYPosition = side;
    t.settings.AxesDivisions = 2;
    t.settings.AxesGridLine.width = 2;
    t.settings.AxesLine = {axesWidth, kBlack, format};
    t.settings.DecimalPoints = decimals;
    t.data.decimalSeen = decimals > 0;
    (style == ChartStyle::kBarHorizontal ? t.settings.AxesLabelX : t.settings.AxesLabelY) = TimesRoman(10);
    t.run.scale = {0, maximum, maximum};
    DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(testing::Describe(testing::OpsNamed(pdf.Ops(), "m")), starts) << labels[0];
    EXPECT_EQ(testing::PlacedTexts(pdf.Ops()), labels);
  }
}

// A round scale writes the decimals of its step whatever the data had, rounding where the value
// text would cut (0.3 is 0.29999999999999999 to the machine, 2.5 is 2 as a whole number), never
// -0.0; times leave out the hours while the whole axis is under one.
TEST(AxesTest, RoundScaleLabelsShowTheirStepsDecimalsAndShortTimes) {
  const struct { ScaleRange scale; bool time; Lines texts; } cases[] = {
      {{0, 10, 10, 4, 1}, false, {"0.0", "2.5", "5.0", "7.5", "10.0"}},
      {{-0.3, 0.3, 0.6, 6, 1}, false, {"-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3"}},
      {{0, 60000, 60000, 2, 0}, false, {"0", "30000", "60000"}},
      {{270000, 295000, 25000, 5, 0}, true, {"4:30", "4:35", "4:40", "4:45", "4:50", "4:55"}},
      {{0, 10800000, 10800000, 3, 0}, true, {"0:00:00", "1:00:00", "2:00:00", "3:00:00"}},
  };
  for (const auto& c : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Chart.style = ChartStyle::kLineStandard;
    t.settings.AxesLabelY = TimesRoman(10);
    t.data.timeValues = c.time;
    t.run.scale = c.scale;
    DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(testing::ShownTexts(pdf.Ops()), c.texts) << c.texts[1];
  }
}

// The page takes no dash or gap of length 0: without a gap the grid is solid, and with a gap
// but no dash it puts no ink down, so it is not drawn; a phase alone changes nothing.
TEST(AxesTest, GridDashesWithALengthOfZeroDrawSolidLinesOrNone) {
  // On, off and phase; the dash operators written; the grid lines drawn (of 3 in 2 divisions).
  const std::tuple<int, int, int, const char*, std::size_t> cases[] = {
      {3, 2, 1, "[3 2 ] 1 d\n[] 0 d\n", 3}, {4, 0, 0, "", 3}, {0, 0, 5, "", 3}, {0, 4, 0, "", 0}, {0, 0, 0, "", 3},
  };
  for (const auto& [on, off, phase, dashes, lines] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Chart.style = ChartStyle::kBarVertical;
    t.settings.AxesDivisions = 2;
    t.settings.AxesGridLine.width = 1;
    t.settings.AxesGridLineStyle = {on, off, phase};
    t.run.scale = {0, 10, 10};
    DrawValueAxis(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(testing::Describe(testing::OpsNamed(pdf.Ops(), "d")), dashes) << on << " " << off << " " << phase;
    EXPECT_EQ(testing::OpsNamed(pdf.Ops(), "S").size(), lines) << on << " " << off << " " << phase;
  }
}

}  // namespace
}  // namespace corvane
