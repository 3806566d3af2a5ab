#include "render/legends.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "render/color.h"
#include "render/labels.h"
#include "render/markers.h"
#include "render/text.h"

namespace corvane {
namespace {

constexpr int kSeriesLegendColumns = 10;
constexpr int kItemLegendColumns = 50;

// The measures of the legend font that the layout is made of. All but A and D are rounded
// to single precision where they are defined: the box size and the room taken are truncated
// from sums of them.
struct LegendMetrics {
  double A = 0;
  double D = 0;
  double rowH = 0;     // one entry row
  double halfRow = 0;  // the space between rows
  double third = 0;    // the space between sample and text
  double sampleW = 0;
  double ow = 0;       // the outline width, used as a margin
};

// What differs between the two legends; everything else is one layout.
struct LegendKind {
  const LegendSettings& settings;
  int E;               // the number of entries
  int Cmax;            // the column limit
  double markerWidth;  // the sample is as wide as the larger of this and A
  std::function<std::string(int i)> text;
  std::function<void(int i, double x0, double yRow, const LegendMetrics& m)> drawSample;
};

// Entries fill the columns top to bottom: with n columns there are rows = ceil(E / n) rows,
// and entry i is in column i / rows, row i mod rows.
struct Columns {
  int n = 1;
  int rows = 1;
  std::vector<double> colW;  // the widest entry text of each column
  double width = 0;          // the width the columns need
  double height = 0;         // the height of a full column
  bool valid = false;
};

Columns Measure(const std::vector<double>& textW, int n, const LegendMetrics& m) {
  const int E = static_cast<int>(textW.size());
  Columns c;
  c.n = n;
  c.rows = (E + n - 1) / n;
  // The last column must hold an entry: 4 entries in 3 columns of 2 rows would leave it
  // empty and the box a column too wide.
  c.valid = n <= E && E > (n - 1) * c.rows;
  if (!c.valid) return c;
  c.colW.assign(n, 0.0);
  for (int i = 0; i < E; ++i) c.colW[i / c.rows] = std::max(c.colW[i / c.rows], textW[i]);
  for (double w : c.colW) c.width += w + m.sampleW + m.third;
  c.width += (n - 1) * m.A;
  c.height = c.rows * m.rowH + (c.rows - 1) * m.halfRow;
  return c;
}

// Above and Below take as many columns as fit across; Left and Right the fewest whose height
// fits, no wider than half the chart. Either way at least one column, at most Cmax.
Columns ChooseColumns(const std::vector<double>& textW, const LegendKind& kind, const ChartArea& area,
                      const LegendMetrics& m) {
  const double A = m.A;
  const double ow = m.ow;
  Columns chosen = Measure(textW, 1, m);
  if (kind.settings.position == LegendPosition::kAbove || kind.settings.position == LegendPosition::kBelow) {
    const double available = (area.right - area.left) - 2 * ow - 2 * A;
    for (int n = 2; n <= kind.Cmax; ++n) {
      Columns c = Measure(textW, n, m);
      if (!c.valid || c.width > available) break;
      chosen = std::move(c);
    }
    return chosen;
  }
  const double availableW = (area.right - area.left) / 2.0 - 2 * ow - 2 * A;
  const double availableH = (area.top - area.bottom) - 2 * ow - 2 * A;
  // When not even one column fits across, the single column is drawn anyway.
  for (int n = 1; n <= kind.Cmax; ++n) {
    Columns c = Measure(textW, n, m);
    if (!c.valid || c.width > availableW) break;
    chosen = std::move(c);
    if (chosen.height <= availableH) break;
  }
  return chosen;
}

void DrawLegend(const Canvas& canvas, ChartArea& area, const LegendKind& kind) {
  const LegendSettings& settings = kind.settings;
  if (!settings.position || kind.E < 1) return;
  const LegendPosition position = *settings.position;
  Surface& surface = canvas.surface;

  std::vector<std::string> texts;
  for (int i = 0; i < kind.E; ++i) texts.push_back(kind.text(i));
  const SizedFont font = ApplyFont(canvas, settings.font, texts);
  LegendMetrics m;
  m.A = font.Ascent();
  m.D = font.Descent();
  m.rowH = static_cast<float>(m.A + m.D);
  m.halfRow = static_cast<float>(m.rowH / 2);
  m.third = static_cast<float>(m.A / 3);
  m.sampleW = static_cast<float>(std::max(m.A, kind.markerWidth));
  m.ow = static_cast<float>(settings.width);
  const double A = m.A;
  const double ow = m.ow;

  std::vector<double> textW;
  for (const std::string& text : texts) textW.push_back(font.Width(text));

  const Columns columns = ChooseColumns(textW, kind, area, m);
  const int n = columns.n;
  const int rows = columns.rows;
  // columns.width is the sum of (colW[c] + sampleW + third) plus (n - 1) x A.
  const double boxW = columns.width + 2 * A + 2 * ow;
  const double boxH = rows * m.rowH + (rows + 1) * m.halfRow + 2 * ow;

  // Beside the chart the box is centred in the height the margins leave.
  const double sideY = area.top - boxH - ((area.top - area.bottom) - 2 * A - 2 * ow - boxH) / 2;
  double x = 0;
  double y = 0;
  switch (position) {
    case LegendPosition::kAbove:
      x = area.left + ((area.right - area.left) - boxW) / 2;
      y = area.top - boxH - A;
      area.top -= static_cast<int>(boxH + 2 * A);
      break;
    case LegendPosition::kBelow:
      x = area.left + ((area.right - area.left) - boxW) / 2;
      y = area.bottom + A;
      area.bottom += static_cast<int>(boxH + 2 * A);
      break;
    case LegendPosition::kLeft:
      x = area.left + A;
      y = sideY;
      area.left = static_cast<int>(x + boxW + A);
      break;
    case LegendPosition::kRight:
      x = area.right - A - boxW;
      y = sideY;
      area.right = static_cast<int>(x - A);
      break;
  }

  // No line width is set: the outline width serves only as the margin ow.
  surface.SetStrokeColor(settings.outlineColor);
  surface.SetFillColor(settings.backgroundColor);
  surface.Rectangle(x, y, boxW, boxH);
  surface.FillAndStroke();

  std::vector<double> colX(n, 0.0);
  for (int c = 1; c < n; ++c) colX[c] = colX[c - 1] + columns.colW[c - 1] + m.sampleW + m.third + A;
  auto x0Of = [&](int i) { return x + ow + A + colX[i / rows]; };
  auto yRowOf = [&](int i) { return y + boxH - ow - m.halfRow - (i % rows) * (m.rowH + m.halfRow); };

  for (int i = 0; i < kind.E; ++i) kind.drawSample(i, x0Of(i), yRowOf(i), m);
  surface.SetFillColor(settings.font.fillColor);
  for (int i = 0; i < kind.E; ++i) {
    font.Show(x0Of(i) + m.sampleW + m.third, yRowOf(i) - A, 0, texts[i]);
  }
}

}  // namespace

RgbColor PieSliceColor(const ChartSettings& settings, int i) {
  const int count = std::min(settings.PieColor.count, kMaxPieColors);
  return count > 0 ? settings.PieColor.color[i % count] : kBlack;
}

void DrawSeriesLegend(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  const int E = std::min(canvas.data.SeriesToDraw(), kMaxSeries);
  auto text = [&](int i) { return s.DataSeriesLabel[i]; };

  // Bars of every series are told apart by their colour pair: an A x A swatch in the colour
  // halfway along the pair, outlined in the box's outline colour.
  if (IsBarChart(s) && s.BarSeries != BarSeries::kFirst) {
    const int pairs = std::clamp(s.BarColor.count, 1, kMaxBarColors);
    auto swatch = [&](int i, double x0, double yRow, const LegendMetrics& m) {
      surface.SetFillColor(GradientColor(s.BarColor.fromColor[i % pairs], s.BarColor.toColor[i % pairs], 0, 2, 1));
      surface.Rectangle(x0, yRow - m.A, m.A, m.A);
      surface.FillAndStroke();
    };
    DrawLegend(canvas, area, LegendKind{s.DataSeriesLegend, E, kSeriesLegendColumns, 0.0, text, swatch});
    return;
  }

  double markerWidth = 0;
  for (int i = 0; i < E; ++i) markerWidth = std::max(markerWidth, 2 * s.LineMarker.size[i]);

  // A bar of the series line with the series marker on its middle; the marker is drawn even
  // on charts that show none.
  auto sample = [&](int i, double x0, double yRow, const LegendMetrics& m) {
    const double yc = yRow - m.sampleW / 2 + m.D;
    const double t = s.Line.thickness[i];
    surface.SetFillColor(s.Line.color[i]);
    surface.Rectangle(x0, yc - t / 2, m.sampleW, t);
    surface.Fill();
    if (s.LineMarker.size[i] > 0) {
      SetMarkerPen(surface, s.LineMarker.shape[i], s.LineMarker.color[i], s.LineMarker.outlineThickness[i]);
      DrawMarker(surface, x0 + m.sampleW / 2, yc, s.LineMarker.size[i], s.LineMarker.shape[i]);
    }
  };
  const LegendKind kind{s.DataSeriesLegend, E, kSeriesLegendColumns, markerWidth, text, sample};
  DrawLegend(canvas, area, kind);
}

void DrawItemLegend(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  Surface& surface = canvas.surface;
  const int E = std::min(data.count, kMaxItems);

  // An A x A swatch in the slice colour, outlined in the box's outline colour.
  auto sample = [&](int i, double x0, double yRow, const LegendMetrics& m) {
    surface.SetFillColor(PieSliceColor(s, i));
    surface.Rectangle(x0, yRow - m.A, m.A, m.A);
    surface.FillAndStroke();
  };
  const double T = SliceTotal(data);
  auto text = [&](int i) {
    return FormatLabel(s, data, data.items[i], data.items[i].values[0], s.Legend.format, T);
  };
  DrawLegend(canvas, area, LegendKind{s.Legend, E, kItemLegendColumns, 0.0, text, sample});
}

}  // namespace corvane
