#include "charts/line_chart.h"

#include <vector>

#include "charts/plot_frame.h"
#include "charts/series_path.h"
#include "render/color.h"
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
  const HPDF_Page page = canvas.page;
  const PathShape shape = ShapeOfStyle(s.Chart.style);
  for (int series = 0; series < canvas.data.SeriesToDraw(); ++series) {
    SetStrokeColor(page, s.Line.color[series]);
    HPDF_Page_SetLineWidth(page, static_cast<float>(s.Line.thickness[series]));
    PagePath path;
    AddLinePath(path, SeriesPoints(canvas, plot, series, sums), plot.step, shape, StepRise::kHalfWay);
    path.Stroke(page);
  }
  return sums;
}

// After all the lines, so that no line crosses a marker; also for a single item.
void DrawLineMarkers(const Canvas& canvas, const Plot& plot) {
  const auto& marker = canvas.settings.LineMarker;
  if (!marker.on) return;
  const HPDF_Page page = canvas.page;
  for (int series = 0; series < canvas.data.SeriesToDraw(); ++series) {
    SetMarkerPen(marker.shape[series], page, marker.color[series], marker.outlineThickness[series]);
    MarkerStamp stamp(page, marker.shape[series], marker.size[series], marker.outlineThickness[series]);
    for (int k = 0; k < canvas.data.count; ++k) {
      stamp.DrawAt(plot.X(k), plot.Y(canvas.data.items[k].values[series]));
    }
  }
}

}  // namespace

void DrawLineChart(const Canvas& canvas, ChartArea& area) {
  DrawPlotAroundData(canvas, area, canvas.data.SeriesToDraw(), [&canvas](const Plot& plot) {
    const FitSums sums = DrawSeriesLines(canvas, plot);
    DrawLineMarkers(canvas, plot);
    return sums;
  });
}

}  // namespace corvane
