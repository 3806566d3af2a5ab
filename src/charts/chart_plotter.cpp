#include "charts/chart_plotter.h"

#include <algorithm>

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
      return DrawBarChart(canvas, area);
    case ChartStyle::kPie:
      return DrawPieChart(canvas, area);
    case ChartStyle::kLineStandard:
    case ChartStyle::kLineStepped:
    case ChartStyle::kLineCurved:
      return DrawLineChart(canvas, area);
    case ChartStyle::kAreaStandard:
    case ChartStyle::kAreaStepped:
    case ChartStyle::kAreaCurved:
      return DrawAreaChart(canvas, area);
  }
  return ChartOutcome::kDrawn;
}

bool HasRoom(const ChartArea& area) { return area.right > area.left && area.top > area.bottom; }

ChartOutcome NoRoom(const Canvas& canvas, const ChartArea& area) {
  canvas.log.LogMessage("ERROR: Chart - no room to draw the chart (%d x %d points left)",
                        std::max(0, area.right - area.left), std::max(0, area.top - area.bottom));
  return ChartOutcome::kNoRoom;
}

}  // namespace corvane
