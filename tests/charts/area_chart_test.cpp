#include "charts/area_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charts/chart_page.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::ExpectPath;
using testing::OpsNamed;
using testing::PaintedIn;
using testing::Path;
using testing::Rows;

const RgbColor kFill{0, 0.5f, 0}, kEdge{0, 0, 0.5f};

TEST(AreaChartTest, FillIsClosedAlongThePlotBottomAndOnlyTheFirstSeriesEdgeIsStroked) {
  const struct {
    int style;
    Rows rows;
    bool time;
  } cases[] = {{kStyleAreaStandard, {{1, 0}, {3, 4}, {2, 0}}, false},
               {kStyleAreaStepped, {{1}, {3}, {2}}, true},
               {kStyleAreaCurved, {{1, 2}, {3, 2}, {2, 2}}, false}};
  for (const auto& c : cases) {
    // The upper edge has the shape the matching line style gives the first series' line.
    ChartPage line(c.style - 3, {{1}, {3}, {2}});
    const Path edge = PaintedIn(line.Draw(), "RG", kBlack);
    ChartPage page(c.style, c.rows);
    if (c.time) page.TimeValues();
    page.t.settings.Area = {kEdge, 3, kFill};
    page.t.settings.LineMarker.on = 1;
    const auto ops = page.Draw();

    // The fill runs the same edge, then down the right side, along the bottom and back up.
    Path fill(edge.begin(), edge.end() - 1);
    fill.insert(fill.end(), {{"l", {500, 100}}, {"l", {100, 100}}, {"l", {100, 200}}, {"f", {}}});
    const std::string what = "style " + std::to_string(c.style);
    ExpectPath(PaintedIn(ops, "rg", kFill), fill, what);
    ExpectPath(PaintedIn(ops, "RG", kEdge), edge, what);
    const auto widths = OpsNamed(ops, "w");  // the edge's only
    ASSERT_EQ(widths.size(), 1u) << what;
    EXPECT_EQ(widths[0].Num(0), 3) << what;
    // One fill and one stroke, and no markers.
    EXPECT_EQ(OpsNamed(ops, "f").size() + OpsNamed(ops, "S").size() + OpsNamed(ops, "re").size(), 2u) << what;
  }
}

TEST(AreaChartTest, AverageLineLiesUnderTheAreaAndASingleItemHasNoArea) {
  for (int n : {1, 2}) {
    ChartPage page(kStyleAreaStandard, Rows(n, {2}));
    page.t.settings.AverageLine = {1, {0.5f, 0, 0}, 1, 0, ""};
    page.t.settings.AxesLabelX = TimesRoman(10);
    const auto ops = page.Draw();
    std::string painted;
    for (const auto& op : ops) {
      if (op.op == "S" || op.op == "f") painted += op.op;
    }
    // The average line, then the area's fill and edge; the item labels in any case.
    EXPECT_EQ(painted, n == 1 ? "S" : "SfS") << n << " items";
    EXPECT_EQ(testing::ShownTexts(ops).size(), static_cast<std::size_t>(n)) << n << " items";
  }
}

}  // namespace
}  // namespace corvane
