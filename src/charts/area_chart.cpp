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

  Path line;
  AddLinePath(line, edge, plot.step, shape, StepRise::kHalfWay);
  Path fill = line;
  fill.LineTo(plot.area.right, plot.area.bottom);
  fill.LineTo(plot.area.left, plot.area.bottom);
  fill.LineTo(plot.area.left, edge[0].y);
  surface.SetFillColor(s.Area.fillColor);
  surface.FillPath(fill);

  surface.SetStrokeColor(s.Area.lineColor);
  surface.SetLineWidth(s.Area.thickness);
  surface.StrokePath(line);
  return sums;
}

}  // namespace

ChartOutcome DrawAreaChart(const Canvas& canvas, ChartArea& area) {
  return DrawPlotAroundData(canvas, area, 1, [&canvas](const Plot& plot) { return DrawArea(canvas, plot); });
}

}  // namespace corvane
