#include "charts/chart_plotter.h"

#include "charts/area_chart.h"
#include "charts/bar_chart.h"
#include "charts/line_chart.h"
#include "charts/pie_chart.h"

namespace corvane {

ChartOutcome DrawChart(const Canvas& canvas, ChartArea& area) {
  if (!canvas.settings.Chart.style) return ChartOutcome::kDrawn;
  switch (*canvas.settings.Chart.style) {
    case ChartStyle::kBarVertical:
    case ChartStyle::kBarHorizontal:
      DrawBarChart(canvas, area);
      break;
    case ChartStyle::kPie:
      return DrawPieChart(canvas, area);
    case ChartStyle::kLineStandard:
    case ChartStyle::kLineStepped:
    case ChartStyle::kLineCurved:
      DrawLineChart(canvas, area);
      break;
    case ChartStyle::kAreaStandard:
    case ChartStyle::kAreaStepped:
    case ChartStyle::kAreaCurved:
      DrawAreaChart(canvas, area);
      break;
  }
  return ChartOutcome::kDrawn;
}

}  // namespace corvane
