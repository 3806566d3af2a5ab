#include "charts/chart_plotter.h"

#include "charts/area_chart.h"
#include "charts/bar_chart.h"
#include "charts/line_chart.h"
#include "charts/pie_chart.h"

namespace corvane {

void DrawChart(const Canvas& canvas, ChartArea& area) {
  switch (canvas.settings.Chart.style) {
    case kStyleBarVertical:
    case kStyleBarHorizontal:
      DrawBarChart(canvas, area);
      break;
    case kStylePie:
      DrawPieChart(canvas, area);
      break;
    case kStyleLineStandard:
    case kStyleLineStepped:
    case kStyleLineCurved:
      DrawLineChart(canvas, area);
      break;
    case kStyleAreaStandard:
    case kStyleAreaStepped:
    case kStyleAreaCurved:
      DrawAreaChart(canvas, area);
      break;
    default:
      break;
  }
}

}  // namespace corvane
