#include "charts/chart_plotter.h"

namespace corvane {

void DrawChart(const Canvas& canvas, [[maybe_unused]] ChartArea& area) {
  // No plotter is written yet: every style draws nothing for now.
  switch (canvas.settings.Chart.style) {
    case kStyleBarVertical:
    case kStyleBarHorizontal:
      break;
    case kStylePie:
      break;
    case kStyleLineStandard:
    case kStyleLineStepped:
    case kStyleLineCurved:
      break;
    case kStyleAreaStandard:
    case kStyleAreaStepped:
    case kStyleAreaCurved:
      break;
    default:
      break;
  }
}

}  // namespace corvane
