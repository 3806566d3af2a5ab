// The area chart: the region between the plot's bottom edge and the line through the first
// data series, filled in one colour, with that line drawn over it as its upper edge, in the
// Standard, Stepped or Curved shape of the chart style. Further series are not drawn; they
// count only in the moving average.
#pragma once

#include "charts/chart_plotter.h"
#include "render/canvas.h"

namespace corvane {

// Draws the whole chart into the area and leaves the area narrowed to the plot area; with no
// room left for it the chart is refused.
ChartOutcome DrawAreaChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
