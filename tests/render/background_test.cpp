#include "render/background.h"

#include <gtest/gtest.h>

#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::OpsNamed;
using testing::PdfPage;
using testing::TestRun;

// The plot {100, 500, 700, 100}: 600 wide, 400 high.
TEST(BackgroundTest, OneColourOrOneBandPerDivision) {
  const RgbColor grey{0.8f, 0.8f, 0.8f}, blue{0, 0, 1};
  struct Case {
    const char* name;
    int style, N;
    RgbColor from, to;
    int bands;  // 0: nothing painted
  } cases[] = {
      {"one colour", kStyleBarVertical, 10, grey, grey, 1},
      {"upward gradient", kStyleLineStandard, 10, kWhite, blue, 10},
      {"rightward gradient", kStyleBarHorizontal, 4, kWhite, blue, 4},
      {"one division", kStyleBarVertical, 1, grey, blue, 1},
      {"the page colour", kStyleBarVertical, 10, kWhite, kWhite, 0},
      {"not set", kStyleBarVertical, 10, kColorNotSet, kColorNotSet, 0},
      {"one end not set", kStyleBarVertical, 10, grey, kColorNotSet, 0},
      {"pie", kStylePie, 10, kWhite, blue, 0},
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.settings.Chart.style = c.style;
    t.settings.AxesDivisions = c.N;
    t.settings.ChartBackground = {c.from, c.to};
    DrawPlotBackground(pdf.CanvasFor(t.run), ChartArea{100, 500, 700, 100});
    const auto ops = pdf.Ops();
    ASSERT_EQ(ops.size(), 3u * c.bands) << c.name << "\n" << testing::Describe(ops);
    const auto fills = OpsNamed(ops, "rg");
    const auto rects = OpsNamed(ops, "re");
    const int n = c.bands;
    for (int k = 0; k < n; ++k) {
      const std::string what = std::string(c.name) + " band " + std::to_string(k);
      EXPECT_EQ(ops[3 * k].op + ops[3 * k + 1].op + ops[3 * k + 2].op, "rgref") << what;
      const bool rightward = c.style == kStyleBarHorizontal;
      const double expected[] = {rightward ? 100 + 600.0 * k / n : 100, rightward ? 100 : 100 + 400.0 * k / n,
                                 rightward ? 600.0 / n : 600, rightward ? 400 : 400.0 / n};
      for (int i = 0; i < 4; ++i) EXPECT_NEAR(rects[k].Num(i), expected[i], 0.01) << what;
      // Band k has the colour k / (n - 1) of the way: the first exactly from, the last exactly to.
      const double f = n == 1 ? 0 : k / (n - 1.0);
      EXPECT_NEAR(fills[k].Num(0), c.from.red + (c.to.red - c.from.red) * f, 1e-4) << what;
      EXPECT_NEAR(fills[k].Num(2), c.from.blue + (c.to.blue - c.from.blue) * f, 1e-4) << what;
    }
  }
}

}  // namespace
}  // namespace corvane
