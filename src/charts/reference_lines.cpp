#include "charts/reference_lines.h"

#include <string>
#include <vector>

#include "charts/series_path.h"
#include "render/markers.h"
#include "render/text.h"

namespace corvane {
namespace {

// A line across the plot at height y, labelled above its left end in the scale labels' font
// drawn in the line's colour. The label needs that font: at size 0 it is left out.
void DrawHorizontalLine(const Canvas& canvas, const Plot& plot, double y, const LabelledLineSettings& line) {
  Surface& surface = canvas.surface;
  surface.SetStrokeColor(line.color);
  surface.SetLineWidth(line.thickness);
  Path path;
  path.MoveTo(plot.area.left, y);
  path.LineTo(plot.area.right, y);
  surface.StrokePath(path);

  if (line.label.empty() || canvas.settings.AxesLabelY.size <= 0) return;
  FontSpec font = canvas.settings.AxesLabelY;
  font.fillColor = line.color;
  ApplyFont(canvas, font, {&line.label}).Show(plot.area.left + 2, y + 2 * line.thickness, 0, line.label);
}

// The mean of the item's values over its first `series` series.
double ItemMean(const DataItem& item, int series) {
  double sum = 0.0;
  for (int s = 0; s < series; ++s) sum += item.values[s];
  return sum / series;
}

}  // namespace

void DrawAverageLine(const Canvas& canvas, const Plot& plot, int seriesMeasured) {
  const LabelledLineSettings& line = canvas.settings.AverageLine;
  const int n = canvas.data.count;
  if (!line.on || n < 1 || seriesMeasured < 1) return;
  double sum = 0.0;
  for (int s = 0; s < seriesMeasured; ++s) {
    for (int k = 0; k < n; ++k) sum += canvas.data.items[k].values[s];
  }
  const double average = sum / (static_cast<double>(seriesMeasured) * n);
  DrawHorizontalLine(canvas, plot, plot.Y(average), line);
}

void DrawTargetLine(const Canvas& canvas, const Plot& plot) {
  const LabelledLineSettings& line = canvas.settings.TargetLine;
  if (!line.on) return;
  if (line.value < canvas.scale.minimum || line.value > canvas.scale.maximum) return;
  DrawHorizontalLine(canvas, plot, plot.Y(line.value), line);
}

void DrawMovingAverage(const Canvas& canvas, const Plot& plot) {
  const ChartSettings& s = canvas.settings;
  const int n = canvas.data.count;
  const int N = s.MovingAverageLine.samples;
  const int S = canvas.data.SeriesToDraw();
  if (!s.MovingAverageLine.on || N < 1 || n <= N || S < 1) return;
  Surface& surface = canvas.surface;
  surface.SetStrokeColor(s.MovingAverageLine.color);
  surface.SetLineWidth(s.MovingAverageLine.thickness);

  // A running sum over the last N items' means: add the newest, and once the first N are in,
  // take off the oldest after each point.
  std::vector<PathPoint> points;
  double sum = 0.0;
  for (int k = 0; k < n; ++k) {
    sum += ItemMean(canvas.data.items[k], S);
    if (k >= N - 1) {
      points.push_back({plot.X(k), plot.Y(sum / N)});
      sum -= ItemMean(canvas.data.items[k - N + 1], S);
    }
  }
  Path path;
  AddLinePath(path, points, plot.step, ShapeOfStyle(s.Chart.style), StepRise::kAtItem);
  surface.StrokePath(path);

  if (!s.MovingAverageMarker.on) return;
  const auto& marker = s.MovingAverageMarker;
  SetMarkerPen(surface, marker.shape, marker.color, marker.outlineThickness);
  const auto stamp = MakeMarkerStamp(surface, marker.shape, marker.size, marker.outlineThickness);
  for (const PathPoint& q : points) stamp->DrawAt(q.x, q.y);
}

void DrawBestFitLine(const Canvas& canvas, const Plot& plot, const FitSums& sums, int seriesMeasured) {
  const ChartSettings& s = canvas.settings;
  const int n = canvas.data.count;
  if (!s.LineOfBestFit.on || n < 2 || seriesMeasured < 1) return;
  const double P = static_cast<double>(seriesMeasured) * n;
  const double xbar = sums.sumK / P;
  const double ybar = sums.sumV / P;
  double Sxy = 0.0;
  double Sxx = 0.0;
  for (int k = 0; k < n; ++k) {
    const double y = ItemMean(canvas.data.items[k], seriesMeasured);
    Sxy += (y - ybar) * (k - xbar);
    Sxx += (k - xbar) * (k - xbar);
  }
  if (!(Sxx > 0)) return;  // every point at one item: no slope
  const double b = Sxy / Sxx;
  const double a = ybar - b * xbar;

  Surface& surface = canvas.surface;
  surface.SetStrokeColor(s.LineOfBestFit.color);
  surface.SetLineWidth(s.LineOfBestFit.thickness);
  Path path;
  path.MoveTo(plot.area.left, plot.Y(a));
  path.LineTo(plot.area.right, plot.Y(a + b * (n - 1)));
  surface.StrokePath(path);
}

}  // namespace corvane
