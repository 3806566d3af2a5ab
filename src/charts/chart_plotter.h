// The choice of plotter: each chart style has one, which draws the whole chart into the
// area it is given and narrows the area as it lays out legends, labels and axes.
#pragma once

#include "render/canvas.h"

namespace corvane {

// Draws the chart of the run's style (Chart.style) into the area.
void DrawChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
