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
using testing::ExpectPath;
using testing::OpsNamed;
using testing::PaintedIn;
using testing::Path;
using testing::PdfOp;

// The values 1, 3, 2 stand at (100, 200), (300, 400), (500, 300), 200 points apart.
const double kRoot8 = std::sqrt(200.0 * 200 + 200 * 200), kRoot5 = std::sqrt(200.0 * 200 + 100 * 100);
// Curved: the virtual ends lie a third of a step outside, at (33.33, 200) and (566.67, 300).
// Segment 1: M2 - M1 = (133.33, 100), M3 - M2 = (200, 50); segment 2: (200, 50), (133.33, -50).
const double t1a = (200.0 / 3) / (200.0 / 3 + kRoot8), t2a = kRoot8 / (kRoot8 + kRoot5);
const double t1b = kRoot8 / (kRoot8 + kRoot5), t2b = kRoot5 / (kRoot5 + 200.0 / 3);
const Path kCurved132 = {
    {"m", {100, 200}},
    {"c", {100 + 400.0 / 3 * (1 - t1a), 200 + 100 * (1 - t1a), 300 - 200 * t2a, 400 - 50 * t2a, 300, 400}},
    {"c", {300 + 200 * (1 - t1b), 400 + 50 * (1 - t1b), 500 - 400.0 / 3 * t2b, 300 + 50 * t2b, 500, 300}},
    {"S", {}}};

struct Metrics {
  double A, D, S;
};

Metrics Measure(ChartPage& page, const FontSpec& font) {
  ApplyFont(page.pdf.CanvasFor(page.t.run), font);
  return {Ascent(page.pdf.page), Descent(page.pdf.page), SpaceWidth(page.pdf.page)};
}

TEST(LineChartTest, SeriesPathTakesTheShapeOfTheStyle) {
  const struct {
    int style;
    Path path;
  } cases[] = {
      {kStyleLineStandard, {{"m", {100, 200}}, {"l", {300, 400}}, {"l", {500, 300}}, {"S", {}}}},
      // Rising half-way between items, flat through each point and on to the last.
      {kStyleLineStepped,
       {{"m", {100, 200}}, {"l", {200, 200}}, {"l", {200, 400}}, {"l", {400, 400}}, {"l", {400, 300}},
        {"l", {500, 300}}, {"S", {}}}},
      {kStyleLineCurved, kCurved132},
  };
  for (const auto& c : cases) {
    ChartPage page(c.style, {{1}, {3}, {2}});
    ExpectPath(page.Draw(), c.path, "style " + std::to_string(c.style));
  }
}

TEST(LineChartTest, CurvedSeriesFollowTheirOwnPointsAndStraightRunsStayStraight) {
  ChartPage two(kStyleLineCurved, {{1, 2}, {3, 2}, {2, 2}});
  two.t.settings.Line.color[1] = {0, 0, 1};
  const auto ops = two.Draw();
  ExpectPath(PaintedIn(ops, "RG", kBlack), kCurved132, "first series");
  // The flat second series has every control point at its own height, 300.
  for (const PdfOp& c : OpsNamed(PaintedIn(ops, "RG", {0, 0, 1}), "c")) {
    for (std::size_t i = 1; i < 6; i += 2) EXPECT_NEAR(c.Num(i), 300, 0.01) << Describe({c});
  }

  // Between two real neighbours on one line both control points fall on it, mid-segment.
  ChartPage line(kStyleLineCurved, {{0}, {1}, {2}, {3}});
  const auto curves = OpsNamed(line.Draw(), "c");
  ASSERT_EQ(curves.size(), 3u);
  ExpectPath({curves[1]}, {{"c", {300, 250, 300, 250, 100 + 800.0 / 3, 300}}}, "middle segment");
}

TEST(LineChartTest, ItemsSpanThePlotUnlessThereAreMoreThanPointsOfWidth) {
  const struct {
    int right, n;
    double step;
    bool time;
  } cases[] = {{500, 2, 400, false}, {500, 5, 100, false}, {110, 10, 10 / 9.0, false},
               {110, 20, 20 / 19.0, false}, {100, 3, 1.5, false}, {500, 3, 200, true}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, std::vector<std::vector<double>>(c.n, {1}));
    page.area.right = c.right;
    if (c.time) {  // time rows carry one series and leave seriesCount at 0
      page.t.data.seriesCount = 0;
      page.t.data.timeValues = true;
    }
    const auto ops = page.Draw();
    Path path{{"m", {100, 200}}};
    for (int k = 1; k < c.n; ++k) path.push_back({"l", {100 + k * c.step, 200}});
    path.push_back({"S", {}});
    ExpectPath(ops, path, "width " + std::to_string(c.right - 100) + ", " + std::to_string(c.n) + " items");
  }
}

TEST(LineChartTest, MarkersFollowAllLinesAndStandAloneForOneItem) {
  const struct {
    std::vector<std::vector<double>> rows;
    std::string ops;
  } cases[] = {
      {{{1, 2}, {3, 1}, {2, 0}},
       "RG w m l l S RG w m l l S rg re f re f re f RG w re S re S re S "},
      {{{1, 2}}, "rg re f RG w re S "},
  };
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, c.rows);
    auto& marker = page.t.settings.LineMarker;
    marker.on = 1;
    marker.shape[0] = kMarkerFilledSquare, marker.size[0] = 4;
    marker.shape[1] = kMarkerOutlineSquare, marker.size[1] = 6;
    const auto ops = page.Draw();
    std::string names;
    for (const PdfOp& op : ops) names += op.op + " ";
    EXPECT_EQ(names, c.ops);
    const auto squares = OpsNamed(ops, "re");
    const double step = c.rows.size() > 1 ? 400.0 / (c.rows.size() - 1) : 400;
    for (std::size_t i = 0; i < squares.size(); ++i) {
      const std::size_t s = i / c.rows.size(), k = i % c.rows.size();
      const double r = s == 0 ? 2 : 3;
      EXPECT_NEAR(squares[i].Num(0), 100 + k * step - r, 0.01) << i;
      EXPECT_NEAR(squares[i].Num(1), 100 + 100 * c.rows[k][s] - r, 0.01) << i;
      EXPECT_NEAR(squares[i].Num(2), 2 * r, 0.01) << i;
    }
  }
}

TEST(LineChartTest, CategoryLabelsStandUnderTheirItemsThinnedByLabelSpacing) {
  const struct {
    int spacing, n;
    std::vector<int> shown;
  } cases[] = {{0, 4, {0, 1, 2, 3}}, {1, 3, {0, 1, 2}}, {3, 10, {0, 3, 6, 9}}, {4, 5, {0, 4}}, {3, 1, {0}}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, std::vector<std::vector<double>>(c.n, {1}));
    page.t.settings.AxesLabelX = TimesRoman(10);
    page.t.settings.LabelSpacing = c.spacing;
    const Metrics m = Measure(page, page.t.settings.AxesLabelX);
    const auto ops = page.Draw();
    const int bottom = 100 + static_cast<int>(m.A + 3 * m.D);
    const double step = c.n > 1 ? 400.0 / (c.n - 1) : 400;
    const auto tm = OpsNamed(ops, "Tm");
    const auto texts = testing::ShownTexts(ops);
    ASSERT_EQ(texts.size(), c.shown.size()) << "spacing " << c.spacing;
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      const std::string label = "I" + std::to_string(c.shown[i]);
      EXPECT_EQ(texts[i], label);
      const int w = static_cast<int>(TextWidth(page.pdf.page, label));
      EXPECT_NEAR(tm[i].Num(4), 100 + c.shown[i] * step - w / 2.0, 0.01) << label;
      EXPECT_NEAR(tm[i].Num(5), bottom - m.A - m.D, 0.01) << label;
    }
  }
}

TEST(LineChartTest, ScaleLabelRoomIsMeasuredOnTheMaximumOnItsSide) {
  const struct {
    bool decimalSeen;
    int decimals, side;
    std::string text;
  } cases[] = {{true, 2, 1, "99.00"}, {false, 2, 1, "99"}, {true, 0, 2, "99"}, {true, 1, 2, "99.0"}};
  for (const auto& c : cases) {
    ChartPage page(kStyleLineStandard, {{12.5}, {99}});
    page.t.run.scale = {0, 99, 99};
    page.t.data.decimalSeen = c.decimalSeen;
    page.t.settings.DecimalPoints = c.decimals;
    page.t.settings.AxesLabelY = TimesRoman(10);
    page.t.settings.AxesLabelYPosition = c.side;
    const Metrics m = Measure(page, page.t.settings.AxesLabelY);
    const int room = static_cast<int>(2 * m.S + TextWidth(page.pdf.page, c.text));
    const auto path = OpsNamed(PaintedIn(page.Draw(), "RG", kBlack), "m");
    ASSERT_EQ(path.size(), 1u);
    EXPECT_NEAR(path[0].Num(0), c.side == 1 ? 100 + room : 100, 0.01) << c.text;
    EXPECT_EQ(page.area.right, c.side == 1 ? 500 : 500 - room) << c.text;
  }
}

TEST(LineChartTest, ElementsAreDrawnInTheirFixedOrder) {
  ChartPage page(kStyleLineStandard, {{1, 2}, {3, 1}, {2, 2}, {1, 3}});
  ChartSettings& s = page.t.settings;
  auto red = [](float r) { return RgbColor{r, 0, 0}; };
  s.AverageLine = {1, red(0.1f), 1, 0, ""};
  s.TargetLine = {1, red(0.2f), 1, 2, ""};
  s.Line.color = {red(0.3f), red(0.4f)};
  s.LineMarker.on = 1;
  s.LineMarker.color = {red(0.5f), red(0.5f)};
  s.MovingAverageLine.on = 1;
  s.MovingAverageLine.color = red(0.6f);
  s.LineOfBestFit = {1, red(0.7f), 1};
  s.AxesLine.width = 1;
  s.AxesLine.color = red(0.8f);
  s.AxesLabelX = TimesRoman(10);
  s.AxesLabelX.fillColor = red(0.75f);
  const auto ops = page.Draw();
  std::vector<float> order;
  for (const PdfOp& op : ops) {
    if (op.op == "RG" || op.op == "rg") order.push_back(static_cast<float>(op.Num(0)));
    if (op.op == "Tj") order.push_back(0.75f);  // category labels, after the fit and before the axes
  }
  order.erase(std::unique(order.begin(), order.end()), order.end());
  // The label font is put into effect first to measure the labels' room.
  EXPECT_EQ(order, std::vector<float>({0.75f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.75f, 0.8f}));
}

}  // namespace
}  // namespace corvane
