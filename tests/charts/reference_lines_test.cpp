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
using testing::ExpectStrokedPaths;
using testing::OpsNamed;
using testing::Path;
using testing::PdfOp;
using testing::Rows;

const RgbColor kLine{0.5f, 0, 0};

// The horizontal line across the plot at y.
Path Across(double y) { return {{"m", {100, y}}, {"l", {500, y}}, {"S", {}}}; }

TEST(ReferenceLinesTest, AverageOfALineChartTakesEverySeriesOfAnAreaChartTheFirst) {
  auto on = [](ChartPage& p) { p.t.settings.AverageLine = {1, kLine, 1, 0, ""}; };
  ExpectStrokedPaths({{"line", kStyleLineStandard, {{1, 5}, {3, 7}}, on, Across(500)},
                      {"area", kStyleAreaStandard, {{1, 5}, {3, 7}}, on, Across(300)},
                      {"one series", kStyleLineCurved, {{1}, {2}, {3}, {6}}, on, Across(400)},
                      {"time values", kStyleAreaStepped, {{1}, {2}},
                       [&](ChartPage& p) { on(p), p.TimeValues(); }, Across(250)}},
                     kLine);
}

TEST(ReferenceLinesTest, TargetIsDrawnOnlyWithinTheScaleBothEndsIncluded) {
  auto at = [](double value) {
    return [value](ChartPage& p) { p.t.settings.TargetLine = {1, kLine, 1, value, ""}; };
  };
  const Rows rows = {{1}, {3}};
  ExpectStrokedPaths({{"maximum", kStyleLineStandard, rows, at(4), Across(500)},
                      {"above", kStyleLineStandard, rows, at(4.0001), {}},
                      {"minimum", kStyleAreaStandard, rows, at(0), Across(100)},
                      {"below", kStyleAreaStandard, rows, at(-0.0001), {}}},
                     kLine);
}

TEST(ReferenceLinesTest, LabelsNeedTheScaleLabelFontAndTakeTheLineColour) {
  const struct {
    int size;
    std::string average;
    std::vector<std::string> shown;
  } cases[] = {{0, "Mean", {}}, {10, "", {"Goal"}}, {10, "Mean", {"Mean", "Goal"}}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, {{1}, {3}});  // average 2, at y 300
    page.t.settings.AxesLabelY = {c.size, 5, kBlack, kTextStyleNormal, kBlack};
    page.t.settings.AverageLine = {1, kLine, 1.5, 0, c.average};
    page.t.settings.TargetLine = {1, {0, 0, 0.5f}, 4, 3, "Goal"};
    const auto ops = page.Draw();
    // Each label: its fill colour, then begin text, its place and the text.
    std::vector<std::string> shown;
    for (std::size_t i = 3; i < ops.size(); ++i) {
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

TEST(ReferenceLinesTest, MovingAverageBeginsAtTheFirstFullSampleOfTheItemMeansOfAllSeries) {
  auto samples = [](int N) {
    return [N](ChartPage& p) { p.t.settings.MovingAverageLine = {1, N, kLine, 1}; };
  };
  // The values 0, 0.4, 0.8 ... averaged over N items: 0.4 (k - (N - 1) / 2) from item N - 1.
  auto rising = [](int n) {
    Rows rows;
    for (int k = 0; k < n; ++k) rows.push_back({0.4 * k});
    return rows;
  };
  auto points = [](int n, int N) {
    Path path;
    for (int k = N - 1; k < n; ++k) {
      path.push_back({k < N ? "m" : "l", {100 + k * 400.0 / (n - 1), 100 + 40 * (k - (N - 1) / 2.0)}});
    }
    path.push_back({"S", {}});
    return path;
  };
  // Item means 1, 2, 3 averaged by two: 1.5 and 2.5 at items 1 and 2.
  const Path halves = {{"m", {300, 250}}, {"l", {500, 350}}, {"S", {}}};
  const Rows twoSeries = {{0.5, 1.5}, {1, 3}, {1.5, 4.5}};
  ExpectStrokedPaths({{"10 items by 3", kStyleLineStandard, rising(10), samples(3), points(10, 3)},
                      {"4 items by 3", kStyleAreaStandard, rising(4), samples(3), points(4, 3)},
                      {"3 items by 3", kStyleLineStandard, rising(3), samples(3), {}},
                      {"2 series, line", kStyleLineStandard, twoSeries, samples(2), halves},
                      {"2 series, area", kStyleAreaStandard, twoSeries, samples(2), halves},
                      {"time values", kStyleLineStandard, {{1}, {2}, {3}},
                       [&](ChartPage& p) { samples(2)(p), p.TimeValues(); }, halves}},
                     kLine);

  for (int n : {10, 3}) {
    ChartPage page(kStyleLineStandard, rising(n));
    page.t.settings.MovingAverageLine = {1, 3, kLine, 1};
    page.t.settings.MovingAverageMarker = {1, kMarkerFilledSquare, kLine, 5, 1};
    EXPECT_EQ(OpsNamed(page.Draw(), "re").size(), n == 10 ? 8u : 0u) << n << " items: one marker a point";
  }
}

TEST(ReferenceLinesTest, MovingAverageRisesAtTheItemWhenSteppedAndCurvesThroughItsPoints) {
  // Values 2, 2, 6, 0 averaged by two: 2, 4, 3 at items 1 to 3, 133.33 points apart; no flat
  // run after the last point.
  const double x1 = 100 + 400.0 / 3, x2 = 100 + 800.0 / 3;
  const Path stepped = {{"m", {x1, 300}}, {"l", {x2, 300}}, {"l", {x2, 500}}, {"l", {500, 500}},
                        {"l", {500, 400}}, {"S", {}}};
  // Values 0 to 4 averaged by two: 0.5 to 3.5 at (200, 150) ... (500, 450), on one line, so
  // the handles between real neighbours lie on it, mid-segment; the end segments bend toward
  // the virtual points, level with the ends a third of a step outside.
  const double L = std::sqrt(2.0) * 100, t1 = (100.0 / 3) / (100.0 / 3 + L), t2 = L / (L + 100.0 / 3);
  const Path curved = {{"m", {200, 150}},
                       {"c", {200 + 200.0 / 3 * (1 - t1), 150 + 50 * (1 - t1), 250, 200, 300, 250}},
                       {"c", {350, 300, 350, 300, 400, 350}},
                       {"c", {450, 400, 500 - 200.0 / 3 * t2, 450 - 50 * t2, 500, 450}},
                       {"S", {}}};
  auto pairs = [](ChartPage& p) { p.t.settings.MovingAverageLine = {1, 2, kLine, 1}; };
  const Rows steps = {{2}, {2}, {6}, {0}}, line = {{0}, {1}, {2}, {3}, {4}};
  ExpectStrokedPaths({{"stepped line", kStyleLineStepped, steps, pairs, stepped},
                      {"stepped area", kStyleAreaStepped, steps, pairs, stepped},
                      {"curved line", kStyleLineCurved, line, pairs, curved},
                      {"curved area", kStyleAreaCurved, line, pairs, curved}},
                     kLine);
}

TEST(ReferenceLinesTest, BestFitRunsAcrossThePlotFromTheFirstFittedValueToTheLast) {
  auto on = [](ChartPage& p) { p.t.settings.LineOfBestFit = {1, kLine, 1}; };
  auto fit = [](double first, double last) {
    return Path{{"m", {100, 100 + 100 * first}}, {"l", {500, 100 + 100 * last}}, {"S", {}}};
  };
  // xbar 1.5, ybar 1.5, Sxy 3.5, Sxx 5: slope 0.7, 0.45 at the first item, 2.55 at the last.
  const Rows scattered = {{0.5}, {1.5}, {1}, {3}};
  const Rows twoSeries = {{1, 3}, {2, 6}, {3, 9}};
  ExpectStrokedPaths({{"rising", kStyleLineStandard, {{1}, {2}, {3}}, on, fit(1, 3)},
                      {"level", kStyleLineStepped, {{2}, {2}, {2}}, on, fit(2, 2)},
                      {"scattered line", kStyleLineStandard, scattered, on, fit(0.45, 2.55)},
                      {"scattered area", kStyleAreaCurved, scattered, on, fit(0.45, 2.55)},
                      // A line chart fits each item's mean; an area chart its first, drawn, series.
                      {"two series, line", kStyleLineStandard, twoSeries, on, fit(2, 6)},
                      {"two series, area", kStyleAreaStandard, twoSeries, on, fit(1, 3)},
                      {"one item", kStyleLineStandard, {{2}}, on, {}}},
                     kLine);
}

}  // namespace
}  // namespace corvane
