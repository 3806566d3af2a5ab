// The bar chart: one bar per data item, standing on the bottom of the plot (vertical bars)
// or growing from its left edge (horizontal bars), from the value-axis minimum to the item's
// first series value. Each bar takes the next colour pair in turn and its value picks the
// colour between the pair's two ends; bars may have a border and labels at the bar and at
// the category axis. Bars may instead start at 0 and grow either way from it (BarBase Zero),
// and every series may be drawn, side by side in each item's slot or stacked (BarSeries).
#pragma once

#include "charts/chart_plotter.h"
#include "render/canvas.h"

namespace corvane {

// Draws the series legend, takes the room for the category and scale labels, draws the
// captions, background, grid and scale labels, then the bars with their labels, and the axis
// lines last. The area is left narrowed to the plot area; with no room left for it the chart
// is refused.
ChartOutcome DrawBarChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
