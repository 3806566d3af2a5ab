// The choice of plotter: each chart style has one, which draws the whole chart into the
// area it is given and narrows the area as it lays out legends, labels and axes.
#pragma once

#include "render/canvas.h"

namespace corvane {

// How drawing a chart ended. A chart that is refused has had nothing drawn; the document is
// abandoned.
enum class ChartOutcome {
  kDrawn,
  kSliceRunsBackwards,  // a pie slice of a negative value
};

// Draws the chart of the run's style (Chart.style) into the area.
ChartOutcome DrawChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
