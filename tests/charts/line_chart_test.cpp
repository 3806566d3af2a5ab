#include "charts/line_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "charts/chart_page.h"
#include "render/markers.h"
#include "render/text.h"

namespace corvane {
namespace {

using testing::ChartPage;
using testing::Describe;
using testing::ExpectStrokedPaths;
using testing::OpsNamed;
using testing::Path;
using testing::PdfOp;
using testing::Rows;

// n items of value 1 at y 200, step apart from x 100.
Path Spaced(int n, double step) {
  Path path{{"m", {100, 200}}};
  for (int k = 1; k < n; ++k) path.push_back({"l", {100 + k * step, 200}});
  path.push_back({"S", {}});
  return path;
}

TEST(LineChartTest, SeriesPathsTakeTheShapeOfTheStyleAndSpreadTheItemsOverThePlot) {
  // Curved through (100, 200), (300, 400), (500, 300), with virtual ends at (33.33, 200) and
  // (566.67, 300). Segment 1: M2 - M1 = (133.33, 100), M3 - M2 = (200, 50); segment 2:
  // M2 - M1 = (200, 50), M3 - M2 = (133.33, -50).
  const double L01 = 200.0 / 3, L12 = std::sqrt(2.0) * 200, L23 = std::sqrt(5.0) * 100;
  const double t1a = L01 / (L01 + L12), t2a = L12 / (L12 + L23);
  const double t1b = L12 / (L12 + L23), t2b = L23 / (L23 + L01);
  auto width = [](int w) { return [w](ChartPage& p) { p.area.right = 100 + w; }; };
  ExpectStrokedPaths(
      {{"standard", kStyleLineStandard, {{1}, {3}, {2}}, nullptr,
        {{"m", {100, 200}}, {"l", {300, 400}}, {"l", {500, 300}}, {"S", {}}}},
       // Rising half-way between items, flat through each point and on to the last.
       {"stepped", kStyleLineStepped, {{1}, {3}, {2}}, nullptr,
        {{"m", {100, 200}}, {"l", {200, 200}}, {"l", {200, 400}}, {"l", {400, 400}}, {"l", {400, 300}},
         {"l", {500, 300}}, {"S", {}}}},
       {"curved", kStyleLineCurved, {{1}, {3}, {2}}, nullptr,
        {{"m", {100, 200}},
         {"c", {100 + 400.0 / 3 * (1 - t1a), 200 + 100 * (1 - t1a), 300 - 200 * t2a, 400 - 50 * t2a,
                300, 400}},
         {"c", {300 + 200 * (1 - t1b), 400 + 50 * (1 - t1b), 500 - 400.0 / 3 * t2b, 300 + 50 * t2b,
                500, 300}},
         {"S", {}}}},
       {"two items", kStyleLineStandard, Rows(2, {1}), nullptr, Spaced(2, 400)},
       {"as many items as points", kStyleLineStandard, Rows(10, {1}), width(10), Spaced(10, 10 / 9.0)},
       {"more items than points", kStyleLineStandard, Rows(20, {1}), width(10), Spaced(20, 20 / 19.0)},
       {"no width", kStyleLineStandard, Rows(3, {1}), width(0), Spaced(3, 1.5)},
       {"time values", kStyleLineStandard, Rows(3, {1}), [](ChartPage& p) { p.TimeValues(); },
        Spaced(3, 200)}},
      kBlack);
}

TEST(LineChartTest, ReferenceLinesLinesMarkersAndLabelsAreDrawnInTheirFixedOrder) {
  // Every element in its own shade of red; the label font is applied first to measure its room.
  const struct {
    Rows rows;
    std::vector<float> order;
  } cases[] = {
      {{{1, 2}, {3, 1}, {2, 2}, {1, 3}}, {0.75f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.75f, 0.8f}},
      {{{1, 2}}, {0.75f, 0.1f, 0.2f, 0.5f, 0.75f, 0.8f}}};  // one item: no lines, still markers
  auto red = [](float r) { return RgbColor{r, 0, 0}; };
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, c.rows);
    ChartSettings& s = page.t.settings;
    s.AverageLine = {1, red(0.1f), 1, 0, ""};
    s.TargetLine = {1, red(0.2f), 1, 2, ""};
    s.Line.color = {red(0.3f), red(0.4f)};
    s.LineMarker = {1, {kMarkerFilledSquare, kMarkerFilledSquare}, {red(0.5f), red(0.5f)}, {4, 4}, {}};
    s.MovingAverageLine = {1, 3, red(0.6f), 1};
    s.LineOfBestFit = {1, red(0.7f), 1};
    s.AxesLine = {1, red(0.8f), 0};
    s.AxesLabelX = {10, kFontTimesRoman, red(0.75f), kTextStyleNormal, kBlack};
    const auto ops = page.Draw();
    std::vector<float> order;
    for (const PdfOp& op : ops) {
      if (op.op == "RG" || op.op == "rg") order.push_back(static_cast<float>(op.Num(0)));
    }
    order.erase(std::unique(order.begin(), order.end()), order.end());
    EXPECT_EQ(order, c.order);
    const auto markers = OpsNamed(ops, "re");
    ASSERT_EQ(markers.size(), c.rows.size() * 2);
    // The first item's value 1 a quarter up the plot, which the labels' room has raised.
    EXPECT_NEAR(markers[0].Num(1), page.area.bottom + (500 - page.area.bottom) / 4.0 - 2, 0.01);
    EXPECT_EQ(testing::ShownTexts(ops).size(), c.rows.size());
  }
}

TEST(LineChartTest, CategoryLabelsStandUnderTheirItemsThinnedByLabelSpacing) {
  const struct {
    int spacing, n;
    std::vector<int> shown;
  } cases[] = {{0, 4, {0, 1, 2, 3}}, {1, 3, {0, 1, 2}}, {3, 10, {0, 3, 6, 9}}, {4, 5, {0, 4}}, {3, 1, {0}}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, Rows(c.n, {1}));
    page.t.settings.AxesLabelX = TimesRoman(10);
    page.t.settings.LabelSpacing = c.spacing;
    const auto ops = page.Draw();
    const double A = Ascent(page.pdf.page), D = Descent(page.pdf.page);
    ASSERT_EQ(page.area.bottom, 100 + static_cast<int>(A + 3 * D));
    const double step = c.n > 1 ? 400.0 / (c.n - 1) : 400;
    const auto tm = OpsNamed(ops, "Tm");
    ASSERT_EQ(testing::ShownTexts(ops).size(), c.shown.size()) << "spacing " << c.spacing;
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      const std::string label = "I" + std::to_string(c.shown[i]);
      EXPECT_EQ(testing::ShownTexts(ops)[i], label);
      const int w = static_cast<int>(TextWidth(page.pdf.page, label));
      EXPECT_NEAR(tm[i].Num(4), 100 + c.shown[i] * step - w / 2.0, 0.01) << label;
      EXPECT_NEAR(tm[i].Num(5), page.area.bottom - A - D, 0.01) << label;
    }
  }
}

TEST(LineChartTest, ScaleLabelRoomIsMeasuredOnTheMaximumAsAPlainNumberOnItsSide) {
  const struct {
    bool decimalSeen, time;
    int decimals, side;
    std::string text;
  } cases[] = {{true, false, 2, 1, "99.00"}, {false, false, 2, 1, "99"}, {true, false, 0, 2, "99"},
               {true, true, 1, 2, "99.0"}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, {{12.5}, {99}});
    page.t.run.scale = {0, 99, 99};
    if (c.time) page.TimeValues();
    page.t.data.decimalSeen = c.decimalSeen;
    page.t.settings.DecimalPoints = c.decimals;
    page.t.settings.AxesLabelY = TimesRoman(10);
    page.t.settings.AxesLabelYPosition = c.side;
    page.Draw();
    ApplyFont(page.pdf.CanvasFor(page.t.run), page.t.settings.AxesLabelY);
    const int room = static_cast<int>(2 * SpaceWidth(page.pdf.page) + TextWidth(page.pdf.page, c.text));
    EXPECT_EQ(page.area.left, c.side == 1 ? 100 + room : 100) << c.text;
    EXPECT_EQ(page.area.right, c.side == 1 ? 500 : 500 - room) << c.text;
  }
}

}  // namespace
}  // namespace corvane
