// The line chart: one line per data series through its items, in the Standard, Stepped or
// Curved shape of the chart style, optionally marked at every point, with the reference
// lines around them.
#pragma once

#include "charts/chart_plotter.h"
#include "render/canvas.h"

namespace corvane {

// Draws the whole chart into the area and leaves the area narrowed to the plot area; with no
// room left for it the chart is refused.
ChartOutcome DrawLineChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
