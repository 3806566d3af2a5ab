#include "charts/area_chart.h"

#include <gtest/gtest.h>

#include <string>

#include "charts/chart_page.h"

namespace corvane {
namespace {

// A stepped area of 1, 3, 2 with a second series, which is not drawn.
TEST(AreaChartTest, FillIsClosedAlongThePlotBottomThenTheFirstSeriesEdgeIsStroked) {
  testing::ChartPage page(ChartStyle::kAreaStepped, {{1, 0}, {3, 4}, {2, 0}});
  page.t.settings.Area = {{0, 0, 0.5f}, 3, {0, 0.5f, 0}};
  const auto ops = page.Draw();
  const std::string edge = "100 200 m; 200 200 l; 200 400 l; 400 400 l; 400 300 l; 500 300 l";
  EXPECT_EQ(testing::PaintedIn(ops, "0 0.5 0 rg"), edge + "; 500 100 l; 100 100 l; 100 200 l; f");
  EXPECT_EQ(testing::PaintedIn(ops, "0 0 0.5 RG"), edge + "; S");
  EXPECT_EQ(testing::Written(ops, "f S"), "f; S");
}

}  // namespace
}  // namespace corvane
