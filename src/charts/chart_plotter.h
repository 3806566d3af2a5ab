// The choice of plotter: each chart style has one, which draws the whole chart into the
// area it is given and narrows the area as it lays out legends, labels and axes.
#pragma once

#include "render/canvas.h"

namespace corvane {

// How drawing a chart ended. A chart that is refused has drawn nothing of its plot; the
// document is abandoned.
enum class ChartOutcome {
  kDrawn,
  kSliceRunsBackwards,  // a pie slice of a negative value
  kNoRoom,              // the layout left no plot area or a pie of no radius; logged
};

// Draws the chart of the run's style (Chart.style) into the area.
ChartOutcome DrawChart(const Canvas& canvas, ChartArea& area);

// Whether the area has room for a plot: some width and some height.
bool HasRoom(const ChartArea& area);

// Logs that the legends, labels and headings left no room for the chart in the area, and
// returns kNoRoom.
ChartOutcome NoRoom(const Canvas& canvas, const ChartArea& area);

}  // namespace corvane
