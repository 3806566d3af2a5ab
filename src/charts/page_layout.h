// The page around the chart: its margin, the headings within it, and the chart in the area
// they leave. Without PageMargin the chart area is the whole page less the headings' room, or
// the page less 5 points on every side when there are no headings.
#pragma once

#include "charts/chart_plotter.h"
#include "render/canvas.h"

namespace corvane {

// The points between each edge of the page and the area the headings and the chart share.
struct PageMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// PageMargin Auto: on each side the smallest margin, from 5 points up, that keeps every text
// of the chart on the page and 5 points off its edge, found by drawing the chart on a
// measuring surface and widening each side by as much as its texts run past, until none does.
// A widening that brings the texts no nearer the page as a whole (a legend wider than the
// page, which no margin moves) is undone and the search ends, as it does before a widening
// that would leave the chart no room.
PageMargins AutoPageMargins(const Canvas& canvas);

// Draws the headings and the chart within the page's margins.
ChartOutcome DrawChartPage(const Canvas& canvas);

}  // namespace corvane
