#include "charts/pie_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/text.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::OpsNamed;
using testing::PdfOp;
using testing::PdfPage;
using testing::TestRun;

constexpr double kPi = 3.141592653589793;

struct Point {
  double x, y;
};

// The point at angle a (degrees clockwise from twelve o'clock) and distance r from c.
Point At(Point c, double r, double a) {
  return {c.x + r * std::sin(a * kPi / 180), c.y + r * std::cos(a * kPi / 180)};
}

void Values(TestRun& t, const std::vector<double>& values) {
  t.settings.Chart = {2, kStylePie};
  t.data.count = static_cast<int>(values.size());
  t.data.seriesCount = 1;
  for (std::size_t k = 0; k < values.size(); ++k) {
    t.data.items[k].label = "Item" + std::to_string(k);
    t.data.items[k].values[0] = values[k];
  }
}

void ExpectPoint(const PdfOp& op, Point p, const std::string& what) {
  const std::size_t n = op.operands.size();
  ASSERT_GE(n, 2u) << what;
  EXPECT_NEAR(op.Num(n - 2), p.x, 0.01) << what << ": " << op.op;
  EXPECT_NEAR(op.Num(n - 1), p.y, 0.01) << what << ": " << op.op;
}

TEST(PieChartTest, CircleFitsTheAreaLessOutlineAndMargin) {
  struct Case {
    ChartArea area;
    int outline;
    double width, margin;
    PieDisc expected;
  } cases[] = {
      {{0, 400, 600, 0}, 0, 1, 0, {300, 200, 200}},
      {{0, 400, 600, 0}, 1, 4, 0, {300, 200, 198}},
      {{0, 400, 600, 0}, 0, 4, 10, {300, 200, 190}},
      {{10, 311, 111, 10}, 1, 3, 2.5, {60.5, 160.5, 46.5}},
  };
  for (const Case& c : cases) {
    ChartSettings s;
    s.PieOutlineColor.on = c.outline;
    s.PieOutlineColor.width = c.width;
    s.PiePageMargin = c.margin;
    const PieDisc d = PieCircle(s, c.area);
    EXPECT_FLOAT_EQ(d.cx, c.expected.cx);
    EXPECT_FLOAT_EQ(d.cy, c.expected.cy);
    EXPECT_FLOAT_EQ(d.r, c.expected.r);
  }
}

TEST(PieChartTest, MidPointOfASpanWithinHalfATurn) {
  struct Case {
    float a0, a1;
    double middle;
  } cases[] = {{0, 90, 45}, {90, 90, 90}, {0, 360, 180}, {300, 360, 330}, {-90, 0, 315}, {10, 250, 130}};
  for (const Case& c : cases) {
    const PiePoint p = SliceMidPoint(100, 100, 50, c.a0, c.a1);
    const Point e = At({100, 100}, 50, c.middle);
    EXPECT_NEAR(p.x, e.x, 1e-4) << c.a0 << ".." << c.a1;
    EXPECT_NEAR(p.y, e.y, 1e-4) << c.a0 << ".." << c.a1;
  }
}

// The pie on {0, 400, 400, 0}: centre (200, 200), radius 200.
TEST(PieChartTest, EachSliceIsOnePathFromTheCentreAroundItsArcAndBack) {
  struct Case {
    std::vector<double> values;
    std::vector<double> angles;
    int outline;
  } cases[] = {
      {{1, 1, 2}, {0, 90, 180, 360}, 0},
      {{1, 0, 1, 2}, {0, 90, 90, 180, 360}, 1},  // a zero value draws no arc
      {{-1, -2, -1}, {0, 90, 270, 360}, 0},     // all negative: the shares of a negative sum
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    Values(t, c.values);
    t.settings.PieOutlineColor = {c.outline, {1, 1, 1}, 2};
    t.settings.PieColor.count = 2;
    t.settings.PieColor.color[1] = {1, 0, 0};
    ChartArea area{0, 400 + 2 * c.outline, 400 + 2 * c.outline, 0};  // the outline takes 1 off r
    DrawPieChart(pdf.CanvasFor(t.run), area);

    const Point centre{200.0 + c.outline, 200.0 + c.outline};
    const auto ops = pdf.Ops();
    std::size_t i = c.outline ? 2 : 0;  // after the outline's RG and w
    Point end = centre;
    for (std::size_t k = 0; k + 1 < c.angles.size(); ++k) {
      const std::string what = "slice " + std::to_string(k) + " of " + testing::Describe(ops);
      ASSERT_LT(i + 4, ops.size()) << what;
      EXPECT_EQ(ops[i].op, "rg");
      EXPECT_EQ(ops[i].Num(0), k % 2) << what;  // the colours cycle
      EXPECT_EQ(ops[i + 1].op, "m");
      ExpectPoint(ops[i + 1], centre, what);
      EXPECT_EQ(ops[i + 2].op, "l");
      ExpectPoint(ops[i + 2], end, what);
      i += 3;
      if (c.angles[k + 1] != c.angles[k]) {
        ExpectPoint(ops[i++], At(centre, 200, c.angles[k]), what);
        while (i < ops.size() && ops[i].op == "c") end = {ops[i].Num(4), ops[i].Num(5)}, ++i;
        EXPECT_NEAR(end.x, At(centre, 200, c.angles[k + 1]).x, 0.01) << what;
        EXPECT_NEAR(end.y, At(centre, 200, c.angles[k + 1]).y, 0.01) << what;
      }
      ASSERT_LT(i + 1, ops.size());
      EXPECT_EQ(ops[i].op, "l");
      ExpectPoint(ops[i], centre, what);
      EXPECT_EQ(ops[i + 1].op, c.outline ? "B" : "f") << what;
      i += 2;
    }
    EXPECT_EQ(i, ops.size());
  }
}

TEST(PieChartTest, WithoutPieColoursEverySliceIsBlack) {
  TestRun t;
  PdfPage pdf;
  Values(t, std::vector<double>(60, 1));
  ChartArea area{0, 400, 400, 0};
  DrawPieChart(pdf.CanvasFor(t.run), area);
  const auto fills = OpsNamed(pdf.Ops(), "rg");
  ASSERT_EQ(fills.size(), 60u);
  for (const PdfOp& op : fills) EXPECT_EQ(op.operands, (std::vector<std::string>{"0", "0", "0"}));
}

// A slice of a whole turn is the whole disc, drawn in two halves without a seam from the
// centre; zero values around it keep their empty paths from the centre.
TEST(PieChartTest, AWholeTurnIsTheWholeDisc) {
  for (const std::vector<double>& values : {std::vector<double>{5}, std::vector<double>{0, 5, 0}}) {
    TestRun t;
    PdfPage pdf;
    Values(t, values);
    t.settings.PieOutlineColor = {1, kBlack, 2};
    ChartArea area{0, 402, 402, 0};
    DrawPieChart(pdf.CanvasFor(t.run), area);
    const auto ops = pdf.Ops();
    const std::size_t first = values.size() == 1 ? 3 : 8;  // RG w rg, and the empty slice before
    const std::string what = testing::Describe(ops);
    ASSERT_LT(first + 6, ops.size()) << what;
    std::string path;
    for (std::size_t i = first; i <= first + 6; ++i) path += ops[i].op;
    EXPECT_EQ(path, "mcclccb") << what;
    ExpectPoint(ops[first], {201, 401}, what);
    ExpectPoint(ops[first + 5], {201, 401}, what);
  }
}

// A slice running backwards (0..180 then 180..0; or 540..360 after a whole turn and a half)
// fails as the library's own error, although libharu would draw these arcs; a sum of 0
// leaves every slice empty, and no undefined number reaches the page.
TEST(PieChartTest, NegativeValuesFailAndASumOfZeroDrawsEmptySlices) {
  struct Case {
    std::vector<double> values;
    bool fails;
  } cases[] = {{{1, -1, 2}, true}, {{2, 1, -1}, true}, {{0, 0}, false}, {{1, -1}, false}};
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    Values(t, c.values);
    t.settings.PieLabel.position = kPieLabelSpoke;
    ChartArea area{0, 400, 400, 0};
    try {
      DrawPieChart(pdf.CanvasFor(t.run), area);
      EXPECT_FALSE(c.fails) << "no error raised for " << testing::Describe(pdf.Ops());
    } catch (const std::runtime_error& e) {
      EXPECT_TRUE(c.fails) << e.what();
      EXPECT_NE(std::string(e.what()).find("0x1056 (0)"), std::string::npos) << e.what();
      continue;
    }
    const std::string content = pdf.Content();
    EXPECT_EQ(content.find("nan"), std::string::npos) << content;
    EXPECT_EQ(content.find("inf"), std::string::npos) << content;
    EXPECT_TRUE(OpsNamed(pdf.Ops(), "c").empty()) << content;
  }
}

// Four equal slices, one in each quadrant (middles 45, 135, 225, 315), on {0, 400, 400, 0},
// labelled in 10-point Times-Roman after all slices.
TEST(PieChartTest, LabelsAnchorByPlacementAndQuadrant) {
  for (int position : {kPieLabelInside, kPieLabelOutside, kPieLabelSpoke}) {
    TestRun t;
    PdfPage pdf;
    Values(t, {1, 1, 1, 1});
    t.settings.PieLabel.position = position;
    ChartArea area{0, 400, 400, 0};
    const Canvas canvas = pdf.CanvasFor(t.run);
    ApplyFont(canvas, t.settings.PieLabel.font);
    const float A = static_cast<float>(Ascent(pdf.page)), D = static_cast<float>(Descent(pdf.page));
    const double H = A + D;
    const double w = TextWidth(pdf.page, "Item0 (1)");
    DrawPieChart(canvas, area);

    // Outside labels take 1.5 H at the top and bottom; nothing sticks out at the sides here.
    const int room = position == kPieLabelOutside ? static_cast<int>(1.5 * H) : 0;
    EXPECT_EQ(std::vector<int>({area.left, area.top, area.right, area.bottom}),
              std::vector<int>({0, 400 - room, 400, room}));
    const Point centre{200, 200};
    const double r = 200 - room;

    const auto ops = pdf.Ops();
    const auto tm = OpsNamed(ops, "Tm");
    ASSERT_EQ(tm.size(), 4u);
    EXPECT_EQ(testing::ShownTexts(ops)[3], "Item3 (1)");
    std::size_t lastFill = 0, firstText = ops.size();
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (ops[i].op == "f") lastFill = i;
      if (ops[i].op == "BT") firstText = std::min(firstText, i);
    }
    EXPECT_LT(lastFill, firstText);

    for (int k = 0; k < 4; ++k) {
      const double m = 45 + 90 * k;
      const std::string what = "position " + std::to_string(position) + " middle " + std::to_string(m);
      const Point start{tm[k].Num(4), tm[k].Num(5)};
      if (position == kPieLabelSpoke) {
        // Upright along the middle line, reading outwards; it ends w further on, on the circle
        // r - H / 2, moved clockwise just far enough for the measure to reach (A - 2D) / 2.
        const double angle = (450 - m) * kPi / 180;
        EXPECT_NEAR(tm[k].Num(0), std::cos(angle), 1e-5) << what;
        EXPECT_NEAR(tm[k].Num(1), std::sin(angle), 1e-5) << what;
        const Point end{start.x + w * std::sin(m * kPi / 180), start.y + w * std::cos(m * kPi / 180)};
        EXPECT_NEAR(std::hypot(end.x - 200, end.y - 200), r - H / 2, 0.01) << what;
        const double turned = std::atan2(end.x - 200, end.y - 200) * 180 / kPi - m + (k >= 2 ? 360 : 0);
        EXPECT_GT(turned, 0.05) << what;
        const Point P1 = At(centre, r - H / 2, m), before = At(centre, r - H / 2, m + turned - 0.1);
        auto measure = [&](Point Q) {
          return std::sqrt(2 * std::fabs(P1.y - Q.y) + 2 * std::fabs(P1.x - Q.x));  // not the distance
        };
        EXPECT_GE(measure(end) + 1e-4, (A - 2 * D) * 0.5) << what;
        EXPECT_LT(measure(before), (A - 2 * D) * 0.5) << what;
        continue;
      }
      const Point P = At(centre, position == kPieLabelInside ? r - H / 2 : r + H / 2, m);
      // Halfway through each quadrant the label is pulled in by half its own size.
      const double insideX[] = {P.x - w * 0.75, P.x - w * 0.75, P.x - w / 4, P.x - w / 4};
      const double insideY[] = {P.y - D - H / 4, P.y + D / 2 - H / 4, P.y + D / 2 - H / 4, P.y - D - H / 4};
      const double outsideX[] = {P.x, P.x, P.x - w, P.x - w};
      const double outsideY[] = {P.y - H / 4, P.y - D - H / 4, P.y - D - H / 4, P.y - H / 4};
      const bool inside = position == kPieLabelInside;
      EXPECT_NEAR(start.x, inside ? insideX[k] : outsideX[k], 0.01) << what;
      EXPECT_NEAR(start.y, inside ? insideY[k] : outsideY[k], 0.01) << what;
      EXPECT_EQ(tm[k].Num(1), 0) << what;
    }
  }
}

// Long labels at 45 and 315 degrees stick out of {0, 400, 400, 0}: each side moves in by its
// overflow, measured against the pie as it was before the sides moved.
TEST(PieChartTest, OutsideLabelsThatStickOutNarrowThePie) {
  TestRun t;
  PdfPage pdf;
  Values(t, {1, 1, 1, 1});
  for (int k = 0; k < 4; ++k) t.data.items[k].label += " of the long names";
  t.settings.PieLabel.position = kPieLabelOutside;
  const Canvas canvas = pdf.CanvasFor(t.run);
  ApplyFont(canvas, t.settings.PieLabel.font);
  const double H = static_cast<float>(Ascent(pdf.page)) + static_cast<float>(Descent(pdf.page));
  const int room = static_cast<int>(1.5 * H);
  double Lo = 0, Ro = 400;
  for (int k = 0; k < 4; ++k) {
    const double w = TextWidth(pdf.page, "Item" + std::to_string(k) + " of the long names (1)");
    const Point P = At({200, 200}, 200 - room + H / 2, 45 + 90 * k);
    if (k >= 2) Lo = std::min(Lo, P.x - w);
    if (k < 2) Ro = std::max(Ro, P.x + w);
  }
  ASSERT_LT(Lo, 0);
  ASSERT_GT(Ro, 400);
  ChartArea area{0, 400, 400, 0};
  DrawPieChart(canvas, area);
  EXPECT_EQ(std::vector<int>({area.left, area.top, area.right, area.bottom}),
            std::vector<int>({-static_cast<int>(Lo), 400 - room, 800 - static_cast<int>(Ro), room}));
  // The pie drawn is the one that fits the narrowed area: its first arc starts at the top.
  const auto lines = OpsNamed(pdf.Ops(), "l");
  ASSERT_GE(lines.size(), 2u);
  const double r = std::min(area.right - area.left, area.top - area.bottom) * 0.5;
  ExpectPoint(lines[1], {(area.left + area.right) * 0.5, 200 + r}, "first arc");
}

}  // namespace
}  // namespace corvane
