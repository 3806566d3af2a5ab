#include "charts/line_chart.h"

#include <vector>

#include "charts/plot_frame.h"
#include "charts/series_path.h"
#include "render/markers.h"

namespace corvane {
namespace {

// One path and one stroke per series; a single item has no line. Every drawn point goes
// into the sums of the line of best fit.
FitSums DrawSeriesLines(const Canvas& canvas, const Plot& plot) {
  FitSums sums;
  const int n = canvas.data.count;
  if (n < 2) return sums;
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  const PathShape shape = ShapeOfStyle(s.Chart.style);
  Path path;
  for (int series = 0; series < canvas.data.SeriesToDraw(); ++series) {
    surface.SetStrokeColor(s.Line.color[series]);
    surface.SetLineWidth(s.Line.thickness[series]);
    path.clear();
    AddLinePath(path, SeriesPoints(canvas, plot, series, sums), plot.step, shape, StepRise::kHalfWay);
    surface.StrokePath(path);
  }
  return sums;
}

// After all the lines, so that no line crosses a marker; also for a single item.
void DrawLineMarkers(const Canvas& canvas, const Plot& plot) {
  const auto& marker = canvas.settings.LineMarker;
  if (!marker.on) return;
  Surface& surface = canvas.surface;
  for (int series = 0; series < canvas.data.SeriesToDraw(); ++series) {
    SetMarkerPen(surface, marker.shape[series], marker.color[series], marker.outlineThickness[series]);
    const auto stamp =
        MakeMarkerStamp(surface, marker.shape[series], marker.size[series], marker.outlineThickness[series]);
    for (int k = 0; k < canvas.data.count; ++k) {
      stamp->DrawAt(plot.X(k), plot.Y(canvas.data.items[k].values[series]));
    }
  }
}

}  // namespace

ChartOutcome DrawLineChart(const Canvas& canvas, ChartArea& area) {
  return DrawPlotAroundData(canvas, area, canvas.data.SeriesToDraw(), [&canvas](const Plot& plot) {
    const FitSums sums = DrawSeriesLines(canvas, plot);
    DrawLineMarkers(canvas, plot);
    return sums;
  });
}

}  // namespace corvane
