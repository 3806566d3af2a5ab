#include "render/background.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The plot {100, 500, 700, 100}: 600 wide and 400 high. In 4 bands, band k takes the colour
// k / 3 of the way, so the first is exactly the from colour and the last the to colour.
TEST(BackgroundTest, OneColourOrOneBandPerDivision) {
  const RgbColor grey{0.5f, 0.5f, 0.5f}, blue{0, 0, 1};
  // Chart style, from and to colours, and what is painted.
  const std::tuple<ChartStyle, RgbColor, RgbColor, std::string> cases[] = {
      {ChartStyle::kBarVertical, grey, grey, "0.5 0.5 0.5 rg\n100 100 600 400 re\nf\n"},
      {ChartStyle::kLineStandard, kWhite, blue,
       "1 1 1 rg\n100 100 600 100 re\nf\n0.66667 0.66667 1 rg\n100 200 600 100 re\nf\n"
       "0.33333 0.33333 1 rg\n100 300 600 100 re\nf\n0 0 1 rg\n100 400 600 100 re\nf\n"},
      {ChartStyle::kBarVertical, kWhite, kWhite, ""},  // nothing on the page colour
  };
  for (const auto& [style, from, to, expected] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    t.settings.Chart.style = style;
    t.settings.AxesDivisions = 4;
    t.settings.ChartBackground = {{from, to}};
    DrawPlotBackground(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    EXPECT_EQ(testing::Describe(pdf.Ops()), expected);
  }
}

}  // namespace
}  // namespace corvane
