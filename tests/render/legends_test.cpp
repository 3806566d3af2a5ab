#include "render/legends.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/markers.h"
#include "render/text.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::OpsNamed;
using testing::PdfOp;
using testing::PdfPage;
using testing::TestRun;

enum { kAbove = 1, kBelow, kLeft, kRight };

// In 10-point Times-Roman the second label is by far the widest.
const std::vector<std::string> kLabels = {"North",  "South-east region", "W",        "Eastern",
                                          "Middle", "X",                 "Far north"};

struct Point {
  double x, y;
};

// The last operands of op, to a hundredth of a point.
void ExpectNear(const PdfOp& op, const std::vector<double>& expected, const std::string& what) {
  const std::size_t first = op.operands.size() - expected.size();
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(op.Num(first + i), expected[i], 0.01) << what;
}

// Checks the box, the room taken and every text against the layout in n columns worked out
// from the legend font's metrics; returns each entry's sample corner x0 and row top yRow.
std::vector<Point> ExpectLayout(const std::vector<PdfOp>& ops, const Canvas& canvas,
                                const LegendSettings& legend, const std::vector<std::string>& texts,
                                double sampleW, int n, ChartArea before, ChartArea after,
                                const std::string& what) {
  ApplyFont(canvas, legend.font);
  const double A = Ascent(canvas.page), D = Descent(canvas.page);
  const double rowH = A + D, halfRow = rowH / 2, third = A / 3, ow = legend.width;
  const int E = static_cast<int>(texts.size()), rows = (E + n - 1) / n;
  std::vector<double> colW(n, 0.0);
  for (int i = 0; i < E; ++i) colW[i / rows] = std::max(colW[i / rows], TextWidth(canvas.page, texts[i]));
  double boxW = (n - 1) * A + 2 * A + 2 * ow;
  for (double w : colW) boxW += w + sampleW + third;
  const double boxH = rows * rowH + (rows + 1) * halfRow + 2 * ow;

  ChartArea room = before;
  double x = before.left + ((before.right - before.left) - boxW) / 2;
  double y = before.top - boxH - ((before.top - before.bottom) - 2 * A - 2 * ow - boxH) / 2;
  if (legend.position == kAbove) y = before.top - boxH - A, room.top -= static_cast<int>(boxH + 2 * A);
  if (legend.position == kBelow) y = before.bottom + A, room.bottom += static_cast<int>(boxH + 2 * A);
  if (legend.position == kLeft) x = before.left + A, room.left = static_cast<int>(x + boxW + A);
  if (legend.position == kRight) x = before.right - A - boxW, room.right = static_cast<int>(x - A);
  EXPECT_EQ(std::vector<int>({after.left, after.top, after.right, after.bottom}),
            std::vector<int>({room.left, room.top, room.right, room.bottom}))
      << what;
  ExpectNear(OpsNamed(ops, "re").at(0), {x, y, boxW, boxH}, what + " box");

  EXPECT_EQ(testing::ShownTexts(ops), texts) << what;
  const auto tm = OpsNamed(ops, "Tm");
  std::vector<Point> entries;
  double colX = 0;
  for (int i = 0; i < E && i < static_cast<int>(tm.size()); ++i) {
    if (i > 0 && i % rows == 0) colX += colW[i / rows - 1] + sampleW + third + A;
    entries.push_back({x + ow + A + colX, y + boxH - ow - halfRow - (i % rows) * (rowH + halfRow)});
    const std::string text = what + " text " + std::to_string(i);
    ExpectNear(tm[i], {entries[i].x + sampleW + third, entries[i].y - A}, text);
  }
  return entries;
}

TEST(LegendsTest, SeriesLegendTakesTheColumnsThatFit) {
  struct Case {
    int E, position, width, height, n;
  } cases[] = {
      // A wide, tall chart: across, as many columns as leave none empty; beside, one column.
      {1, kAbove, 700, 500, 1}, {3, kAbove, 700, 500, 3}, {5, kAbove, 700, 500, 3}, {7, kAbove, 700, 500, 4},
      {1, kBelow, 700, 500, 1}, {3, kBelow, 700, 500, 3}, {5, kBelow, 700, 500, 3}, {7, kBelow, 700, 500, 4},
      {1, kLeft, 700, 500, 1},  {3, kLeft, 700, 500, 1},  {5, kLeft, 700, 500, 1},  {7, kLeft, 700, 500, 1},
      {1, kRight, 700, 500, 1}, {3, kRight, 700, 500, 1}, {5, kRight, 700, 500, 1}, {7, kRight, 700, 500, 1},
      {7, kAbove, 210, 500, 3},   // room for three columns only
      {4, kBelow, 210, 500, 2},   // three columns of two rows would fit, but leave the third empty
      {4, kAbove, 700, 500, 2},
      {7, kLeft, 700, 60, 3},     // a short chart: the fewest columns whose height fits
      {5, kRight, 700, 60, 2},
      {7, kRight, 360, 60, 2},    // three columns would be too wide: two, though too high
      {3, kRight, 100, 500, 1},   // not even one column fits across: one anyway
  };
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.data.count = 1;
    t.data.seriesCount = c.E;
    t.settings.DataSeriesLegend.position = c.position;
    std::copy_n(kLabels.begin(), c.E, t.settings.DataSeriesLabel.begin());
    t.settings.Line.thickness[0] = 3;
    const ChartArea before{50, 50 + c.height, 50 + c.width, 50};
    ChartArea area = before;
    DrawSeriesLegend(pdf.CanvasFor(t.run), area);

    const auto ops = pdf.Ops();
    const std::string what = std::to_string(c.E) + " at " + std::to_string(c.position) + " in " +
                             std::to_string(c.width) + " x " + std::to_string(c.height);
    const std::vector<std::string> texts(kLabels.begin(), kLabels.begin() + c.E);
    const double sampleW = 10;  // twice the default marker size
    const auto entries = ExpectLayout(ops, pdf.CanvasFor(t.run), t.settings.DataSeriesLegend, texts,
                                      sampleW, c.n, before, area, what);
    // Each sample: a bar as thick as the line, and the default filled circle of size 5 on its middle.
    const double D = Descent(pdf.page);
    const auto bars = OpsNamed(ops, "re");
    const auto circles = OpsNamed(ops, "m");
    ASSERT_EQ(bars.size(), 1u + c.E) << what;
    ASSERT_EQ(circles.size(), static_cast<std::size_t>(c.E)) << what;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
      const double yc = entries[i].y - sampleW / 2 + D, thickness = i == 0 ? 3 : 1;
      ExpectNear(bars[1 + i], {entries[i].x, yc - thickness / 2, sampleW, thickness}, what + " bar");
      ExpectNear(circles[i], {entries[i].x + sampleW / 2 - 2.5, yc}, what + " marker");
    }
  }
}

TEST(LegendsTest, SamplesComeBeforeTextsInTheLegendFontColour) {
  TestRun t;
  PdfPage pdf;
  t.data.count = 1;
  t.data.seriesCount = 2;
  t.settings.DataSeriesLegend.position = kBelow;
  t.settings.DataSeriesLabel = {"a", "b"};
  t.settings.DataSeriesLegend.font.fillColor = {0, 0, 1};
  t.settings.LineMarker.shape = {kMarkerOutlineSquare, kMarkerOutlineSquare};
  ChartArea area{50, 550, 750, 50};
  DrawSeriesLegend(pdf.CanvasFor(t.run), area);
  const auto ops = pdf.Ops();
  std::string names;
  for (const PdfOp& op : ops) names += op.op + " ";
  EXPECT_EQ(names, "Tf Tr rg RG rg re B rg re f RG w re S rg re f RG w re S rg BT Tm Tj ET BT Tm Tj ET ");
  EXPECT_EQ(OpsNamed(ops, "rg").back().operands, (std::vector<std::string>{"0", "0", "1"}));
}

TEST(LegendsTest, ItemLegendSwatchesCycleThroughThePieColours) {
  const RgbColor red{1, 0, 0}, green{0, 1, 0};
  struct Case {
    std::vector<RgbColor> pieColors, swatches;
  } cases[] = {{{}, {kBlack, kBlack, kBlack}}, {{red, green}, {red, green, red}}};
  for (const Case& c : cases) {
    TestRun t;
    PdfPage pdf;
    t.data.count = 3;
    t.data.seriesCount = 1;
    t.data.decimalSeen = true;
    for (int i = 0; i < 3; ++i) t.data.items[i] = {kLabels[i], {10.5 * (i + 1)}};
    std::copy(c.pieColors.begin(), c.pieColors.end(), t.settings.PieColor.color.begin());
    t.settings.PieColor.count = static_cast<int>(c.pieColors.size());
    t.settings.Legend = {kRight, {0, 0, 1}, 2, kWhite, "TTTT (VVVV)", TimesRoman(12)};
    const ChartArea before{50, 550, 750, 50};
    ChartArea area = before;
    DrawItemLegend(pdf.CanvasFor(t.run), area);

    const auto ops = pdf.Ops();
    const double A = 12 * 0.683;  // Times-Roman
    const std::vector<std::string> texts = {"North (10.5)", "South-east region (21.0)", "W (31.5)"};
    const auto entries =
        ExpectLayout(ops, pdf.CanvasFor(t.run), t.settings.Legend, texts, A, 1, before, area, "item legend");
    const auto swatches = OpsNamed(ops, "re");
    const auto fills = OpsNamed(ops, "rg");
    ASSERT_EQ(swatches.size(), 4u);
    ASSERT_EQ(OpsNamed(ops, "B").size(), 4u);  // the box and each swatch are outlined
    for (int i = 0; i < 3; ++i) {
      ExpectNear(swatches[1 + i], {entries[i].x, entries[i].y - A, A, A}, "swatch");
      ExpectNear(fills[2 + i], {c.swatches[i].red, c.swatches[i].green, c.swatches[i].blue}, "colour");
    }
  }
}

}  // namespace
}  // namespace corvane
