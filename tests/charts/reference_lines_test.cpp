#include "charts/reference_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "charts/chart_page.h"
#include "render/markers.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::Describe;
using testing::ExpectPath;
using testing::OpsNamed;
using testing::PaintedIn;
using testing::Path;
using testing::PdfOp;

const RgbColor kLine{0.5f, 0, 0};
using Rows = std::vector<std::vector<double>>;

// The horizontal line across the plot at y.
Path Across(double y) { return {{"m", {100, y}}, {"l", {500, y}}, {"S", {}}}; }

TEST(ReferenceLinesTest, AverageOfALineChartTakesEverySeriesOfAnAreaChartTheFirst) {
  const struct {
    int style;
    Rows rows;
    double average;
  } cases[] = {{kStyleLineStandard, {{1, 5}, {3, 7}}, 4}, {kStyleAreaStandard, {{1, 5}, {3, 7}}, 2},
               {kStyleLineCurved, {{1}, {2}, {3}, {6}}, 3}, {kStyleAreaStepped, {{1}, {2}, {3}, {6}}, 3}};
  for (const auto& c : cases) {
    ChartPage page(c.style, c.rows);
    page.t.run.scale = {0, 8, 8};
    page.t.settings.AverageLine = {1, kLine, 1, 0, ""};
    ExpectPath(PaintedIn(page.Draw(), "RG", kLine), Across(100 + 50 * c.average), "style " + std::to_string(c.style));
  }
}

TEST(ReferenceLinesTest, LabelsNeedTheScaleLabelFontAndTakeTheLineColour) {
  const struct {
    int size;
    std::string average, target;
    std::vector<std::string> shown;
  } cases[] = {{0, "Mean", "Goal", {}}, {10, "", "Goal", {"Goal"}}, {10, "Mean", "Goal", {"Mean", "Goal"}}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, {{1}, {3}});  // average 2, at y 300
    page.t.settings.AxesLabelY = {c.size, 5, kBlack, kTextStyleNormal, kBlack};
    page.t.settings.AverageLine = {1, kLine, 1.5, 0, c.average};
    page.t.settings.TargetLine = {1, {0, 0, 0.5f}, 4, 3, c.target};
    const auto ops = page.Draw();
    // Each label: its fill colour, then begin text, its place and the text.
    std::vector<std::string> shown;
    for (std::size_t i = 4; i < ops.size(); ++i) {
      if (ops[i].op != "Tj" || (ops[i].operands[0] != "(Mean)" && ops[i].operands[0] != "(Goal)")) continue;
      const bool mean = ops[i].operands[0] == "(Mean)";
      shown.push_back(mean ? "Mean" : "Goal");
      EXPECT_EQ(Describe({ops[i - 3]}), mean ? "0.5 0 0 rg\n" : "0 0 0.5 rg\n");
      EXPECT_NEAR(ops[i - 1].Num(4), page.area.left + 2, 0.01) << shown.back();
      EXPECT_NEAR(ops[i - 1].Num(5), mean ? 300 + 2 * 1.5 : 400 + 2 * 4, 0.01) << shown.back();
    }
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(ReferenceLinesTest, TargetIsDrawnOnlyWithinTheScaleBothEndsIncluded) {
  const struct {
    double value;
    bool drawn;
  } cases[] = {{4, true}, {4.0001, false}, {0, true}, {-0.0001, false}, {2.5, true}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, {{1}, {3}});
    page.t.settings.TargetLine = {1, kLine, 1, c.value, "Goal"};
    page.t.settings.AxesLabelY = TimesRoman(10);
    const auto ops = page.Draw();
    const double y = 100 + 100 * c.value;
    const Path across = {{"m", {static_cast<double>(page.area.left), y}}, {"l", {500, y}}, {"S", {}}};
    ExpectPath(PaintedIn(ops, "RG", kLine), c.drawn ? across : Path{}, std::to_string(c.value));
    EXPECT_EQ(testing::ShownTexts(ops).back() == "Goal", c.drawn) << c.value;
  }
}

TEST(ReferenceLinesTest, MovingAverageStartsWithTheFirstFullSampleAndIsMarkedAtEachPoint) {
  const struct {
    int n, N;
  } cases[] = {{10, 3}, {4, 3}, {3, 3}, {2, 3}, {5, 2}};
  for (const auto& c : cases) {
    Rows rows;
    for (int k = 0; k < c.n; ++k) rows.push_back({static_cast<double>(k)});
    ChartPage page(kStyleLineStandard, rows);
    page.t.run.scale = {0, 10, 10};
    page.t.settings.MovingAverageLine = {1, c.N, kLine, 1};
    page.t.settings.MovingAverageMarker.on = 1;
    page.t.settings.MovingAverageMarker.shape = kMarkerFilledSquare;
    const auto ops = page.Draw();
    // The mean of items k - N + 1 .. k of the values 0, 1, 2 ... is k - (N - 1) / 2.
    Path path;
    const double step = 400.0 / (c.n - 1);
    for (int k = c.N - 1; k < c.n && c.n > c.N; ++k) {
      path.push_back({k == c.N - 1 ? "m" : "l", {100 + k * step, 100 + 40 * (k - (c.N - 1) / 2.0)}});
    }
    if (!path.empty()) path.push_back({"S", {}});
    const std::string what = std::to_string(c.n) + " items of " + std::to_string(c.N);
    ExpectPath(PaintedIn(ops, "RG", kLine), path, what);
    EXPECT_EQ(OpsNamed(ops, "re").size(), static_cast<std::size_t>(c.n > c.N ? c.n - c.N + 1 : 0)) << what;
  }
}

TEST(ReferenceLinesTest, MovingAverageAveragesEachItemsMeanOverAllSeries) {
  const struct {
    int style;
    Rows rows;
    bool time;
  } cases[] = {{kStyleLineStandard, {{1, 3}, {2, 6}, {3, 9}}, false},
               {kStyleAreaStandard, {{1, 3}, {2, 6}, {3, 9}}, false},
               {kStyleAreaStandard, {{2}, {4}, {6}}, true}};
  for (const auto& c : cases) {
    ChartPage page(c.style, c.rows);  // item means 2, 4, 6: moving averages of two 3 and 5
    page.t.run.scale = {0, 10, 10};
    if (c.time) {
      page.t.data.seriesCount = 0;
      page.t.data.timeValues = true;
    }
    page.t.settings.MovingAverageLine = {1, 2, kLine, 1};
    ExpectPath(PaintedIn(page.Draw(), "RG", kLine), {{"m", {300, 220}}, {"l", {500, 300}}, {"S", {}}},
               "style " + std::to_string(c.style));
  }
}

TEST(ReferenceLinesTest, MovingAverageRisesAtTheItemWhenSteppedAndCurvesThroughItsPoints) {
  // Values 2, 2, 6, 0 averaged by two: 2, 4, 3 at items 1 to 3, 133.33 points apart.
  const double x1 = 100 + 400.0 / 3, x2 = 100 + 800.0 / 3;
  const Path stepped = {{"m", {x1, 300}}, {"l", {x2, 300}}, {"l", {x2, 500}}, {"l", {500, 500}},
                        {"l", {500, 400}}, {"S", {}}};
  // Values 0 to 4 averaged by two: 0.5 to 3.5 at (200, 150) ... (500, 450), on one line, so
  // the handles between real neighbours lie on it; the ends bend toward the flat virtual points.
  const double L = std::sqrt(2.0) * 100, t1 = (100.0 / 3) / (100.0 / 3 + L), t2 = L / (L + 100.0 / 3);
  const Path curved = {{"m", {200, 150}},
                       {"c", {200 + 200.0 / 3 * (1 - t1), 150 + 50 * (1 - t1), 250, 200, 300, 250}},
                       {"c", {350, 300, 350, 300, 400, 350}},
                       {"c", {450, 400, 500 - 200.0 / 3 * t2, 450 - 50 * t2, 500, 450}},
                       {"S", {}}};
  const struct {
    int style;
    Rows rows;
    const Path& path;
  } cases[] = {{kStyleLineStepped, {{2}, {2}, {6}, {0}}, stepped},
               {kStyleAreaStepped, {{2}, {2}, {6}, {0}}, stepped},
               {kStyleLineCurved, {{0}, {1}, {2}, {3}, {4}}, curved},
               {kStyleAreaCurved, {{0}, {1}, {2}, {3}, {4}}, curved}};
  for (const auto& c : cases) {
    ChartPage page(c.style, c.rows);
    page.t.run.scale = {0, 4, 4};
    page.t.settings.MovingAverageLine = {1, 2, kLine, 1};
    ExpectPath(PaintedIn(page.Draw(), "RG", kLine), c.path, "style " + std::to_string(c.style));
  }
}

TEST(ReferenceLinesTest, BestFitRunsAcrossThePlotFromTheFirstFittedValueToTheLast) {
  const struct {
    int style;
    Rows rows;
    bool drawn;
    double first, last;
  } cases[] = {
      {kStyleLineStandard, {{1}, {2}, {3}}, true, 1, 3},
      {kStyleLineStandard, {{2}, {2}, {2}}, true, 2, 2},
      // xbar 1.5, ybar 3, Sxy 7, Sxx 5: slope 1.4, level 0.9 at the first item.
      {kStyleLineStandard, {{1}, {3}, {2}, {6}}, true, 0.9, 5.1},
      {kStyleAreaCurved, {{1}, {3}, {2}, {6}}, true, 0.9, 5.1},
      // A line chart fits each item's mean over its series; an area chart its first series.
      {kStyleLineStandard, {{1, 3}, {2, 6}, {3, 9}}, true, 2, 6},
      {kStyleAreaStandard, {{1, 3}, {2, 6}, {3, 9}}, true, 1, 3},
      {kStyleLineStandard, {{5}}, false, 0, 0},
  };
  for (const auto& c : cases) {
    ChartPage page(c.style, c.rows);
    page.t.run.scale = {0, 10, 10};
    page.t.settings.LineOfBestFit = {1, kLine, 1};
    const Path path = {{"m", {100, 100 + 40 * c.first}}, {"l", {500, 100 + 40 * c.last}}, {"S", {}}};
    ExpectPath(PaintedIn(page.Draw(), "RG", kLine), c.drawn ? path : Path{}, "style " + std::to_string(c.style));
  }
}

}  // namespace
}  // namespace corvane
