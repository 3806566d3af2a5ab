#include "charts/area_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charts/chart_page.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::Describe;
using testing::ExpectPath;
using testing::OpsNamed;
using testing::PaintedIn;
using testing::Path;
using testing::PdfOp;

const RgbColor kFill{0, 0.5f, 0}, kEdge{0, 0, 0.5f};

// The path construction and paint operators of ops.
Path PathOf(const std::vector<PdfOp>& ops) {
  Path path;
  for (const PdfOp& op : ops) {
    if (op.op != "m" && op.op != "l" && op.op != "c" && op.op != "S" && op.op != "f") continue;
    std::vector<double> operands;
    for (std::size_t i = 0; i < op.operands.size(); ++i) operands.push_back(op.Num(i));
    path.push_back({op.op, operands});
  }
  return path;
}

TEST(AreaChartTest, FillIsClosedAlongThePlotBottomAndOnlyTheUpperEdgeIsStroked) {
  for (int style = kStyleAreaStandard; style <= kStyleAreaCurved; ++style) {
    // The upper edge has the shape the matching line style gives a series line.
    ChartPage line(style - 3, {{1}, {3}, {2}});
    const Path edge = PathOf(line.Draw());
    ChartPage page(style, {{1}, {3}, {2}});
    page.t.settings.Area = {kEdge, 3, kFill};
    const auto ops = page.Draw();

    Path fill(edge.begin(), edge.end() - 1);
    for (const Path::value_type& step : Path{{"l", {500, 100}}, {"l", {100, 100}}, {"l", {100, 200}}, {"f", {}}}) {
      fill.push_back(step);
    }
    const std::string what = "style " + std::to_string(style);
    ExpectPath(PaintedIn(ops, "rg", kFill), fill, what);
    const auto stroke = PaintedIn(ops, "RG", kEdge);
    ExpectPath(stroke, edge, what);
    ASSERT_FALSE(stroke.empty()) << what;
    EXPECT_EQ(Describe({stroke[1]}), "3 w\n") << what;
    EXPECT_EQ(OpsNamed(ops, "f").size(), 1u) << what;
  }
}

TEST(AreaChartTest, OnlyTheFirstSeriesIsDrawnAndNeverWithMarkers) {
  const struct {
    int style;
    std::vector<std::vector<double>> rows;
    bool time;
    Path edge;
  } cases[] = {
      {kStyleAreaStandard, {{1, 4}, {3, 0}, {2, 4}}, false, {{"m", {100, 200}}, {"l", {300, 400}}, {"l", {500, 300}}, {"S", {}}}},
      // A stepped area of time values: one series, though time rows leave seriesCount at 0.
      {kStyleAreaStepped, {{1}, {3}, {2}}, true,
       {{"m", {100, 200}}, {"l", {200, 200}}, {"l", {200, 400}}, {"l", {400, 400}}, {"l", {400, 300}},
        {"l", {500, 300}}, {"S", {}}}},
  };
  for (const auto& c : cases) {
    ChartPage page(c.style, c.rows);
    if (c.time) {
      page.t.data.seriesCount = 0;
      page.t.data.timeValues = true;
    }
    page.t.settings.Area = {kEdge, 1, kFill};
    page.t.settings.LineMarker.on = 1;
    const auto ops = page.Draw();
    ExpectPath(PaintedIn(ops, "RG", kEdge), c.edge, "style " + std::to_string(c.style));
    EXPECT_EQ(OpsNamed(ops, "S").size(), 1u);
    EXPECT_EQ(OpsNamed(ops, "f").size(), 1u);
    EXPECT_EQ(OpsNamed(ops, "re").size() + OpsNamed(ops, "c").size(), 0u) << "no markers";
  }
}

TEST(AreaChartTest, AverageLineLiesUnderTheAreaAndASingleItemHasOnlyLinesAndLabel) {
  for (int n : {1, 2}) {
    ChartPage page(kStyleAreaStandard, std::vector<std::vector<double>>(n, {2}));
    page.t.settings.AverageLine = {1, {0.5f, 0, 0}, 1, 0, ""};
    page.t.settings.AxesLabelX = TimesRoman(10);
    const auto ops = page.Draw();
    std::size_t lineAt = ops.size(), fillAt = ops.size();
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].op == "RG" && ops[i].Num(0) == 0.5) lineAt = i;
      if (ops[i].op == "f") fillAt = i;
    }
    EXPECT_LT(lineAt, ops.size()) << n << " items: average line drawn";
    EXPECT_EQ(fillAt < ops.size(), n == 2) << n << " items";
    // Drawn before the area, the average line is covered where the area is filled.
    if (n == 2) {
      EXPECT_LT(lineAt, fillAt);
    }
    EXPECT_EQ(testing::ShownTexts(ops).size(), static_cast<std::size_t>(n)) << n << " items: labels";
  }
}

}  // namespace
}  // namespace corvane
