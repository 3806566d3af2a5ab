#include "charts/area_chart.h"

#include <vector>

#include "charts/plot_frame.h"
#include "charts/series_path.h"

namespace corvane {
namespace {

// The fill first, closed along the plot's bottom edge, then the upper edge alone stroked
// over it; a single item has no area. The first series' points feed the line of best fit.
FitSums DrawArea(const Canvas& canvas, const Plot& plot) {
  FitSums sums;
  const int n = canvas.data.count;
  if (n < 2) return sums;
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  const std::vector<PathPoint> edge = SeriesPoints(canvas, plot, 0, sums);
  const PathShape shape = ShapeOfStyle(s.Chart.style);

  surface.SetFillColor(s.Area.fillColor);
  Path path;
  AddLinePath(path, edge, plot.step, shape, StepRise::kHalfWay);
  path.LineTo(plot.area.right, plot.area.bottom);
  path.LineTo(plot.area.left, plot.area.bottom);
  path.LineTo(plot.area.left, edge[0].y);
  surface.FillPath(path);

  surface.SetStrokeColor(s.Area.lineColor);
  surface.SetLineWidth(s.Area.thickness);
  path.clear();
  AddLinePath(path, edge, plot.step, shape, StepRise::kHalfWay);
  surface.StrokePath(path);
  return sums;
}

}  // namespace

ChartOutcome DrawAreaChart(const Canvas& canvas, ChartArea& area) {
  return DrawPlotAroundData(canvas, area, 1, [&canvas](const Plot& plot) { return DrawArea(canvas, plot); });
}

}  // namespace corvane
