#include "render/background.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The plot {100, 500, 700, 100}: 600 wide and 400 high. In N bands, band k takes the colour
// k / (N - 1) of the way, so the first is exactly the from colour and the last the to colour.
TEST(BackgroundTest, OneColourOrOneBandPerDivision) {
  const RgbColor grey{0.5f, 0.5f, 0.5f}, blue{0, 0, 1};
  // Chart style, divisions, from and to colours, and what is painted.
  const std::tuple<int, int, RgbColor, RgbColor, std::string> cases[] = {
      {kStyleBarVertical, 4, grey, grey, "0.5 0.5 0.5 rg\n100 100 600 400 re\nf\n"},
      {kStyleBarVertical, 1, grey, blue, "0.5 0.5 0.5 rg\n100 100 600 400 re\nf\n"},
      {kStyleLineStandard, 4, kWhite, blue,
       "1 1 1 rg\n100 100 600 100 re\nf\n0.66667 0.66667 1 rg\n100 200 600 100 re\nf\n"
       "0.33333 0.33333 1 rg\n100 300 600 100 re\nf\n0 0 1 rg\n100 400 600 100 re\nf\n"},
      {kStyleBarHorizontal, 4, kWhite, blue,
       "1 1 1 rg\n100 100 150 400 re\nf\n0.66667 0.66667 1 rg\n250 100 150 400 re\nf\n"
       "0.33333 0.33333 1 rg\n400 100 150 400 re\nf\n0 0 1 rg\n550 100 150 400 re\nf\n"},
      // Nothing on the page colour, with a colour not set, or behind a pie.
      {kStyleBarVertical, 4, kWhite, kWhite, ""}, {kStyleBarVertical, 4, grey, kColorNotSet, ""},
      {kStylePie, 4, kWhite, blue, ""},
  };
  for (const auto& [style, N, from, to, expected] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Chart.style = style;
    t.settings.AxesDivisions = N;
    t.settings.ChartBackground = {from, to};
    DrawPlotBackground(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(testing::Describe(pdf.Ops()), expected) << style << " " << N;
  }
}

}  // namespace
}  // namespace corvane
