// The four reference lines of the line and area charts: horizontal lines at the average of
// the data and at a target value, each with an optional label; a moving average over a
// number of items, optionally marked; and the least-squares line of best fit. Each is drawn
// only while its command has switched it on.
#pragma once

#include "charts/plot_frame.h"
#include "render/canvas.h"

namespace corvane {

// At the mean of every value of the first seriesMeasured series.
void DrawAverageLine(const Canvas& canvas, const Plot& plot, int seriesMeasured);

// At TargetLine.value, only when it lies within the scale (both ends included).
void DrawTargetLine(const Canvas& canvas, const Plot& plot);

// The mean of MovingAverageLine.samples items' means over all series, from the item where
// the first full sample is reached, in the chart's line shape; nothing for no more items
// than samples.
void DrawMovingAverage(const Canvas& canvas, const Plot& plot);

// The least-squares line through each item's mean of the first seriesMeasured series,
// across the plot from the first item's fitted value to the last's. The sums are those the
// plotter collected over the points it drew, seriesMeasured per item. A single item has no
// slope and gets no line.
void DrawBestFitLine(const Canvas& canvas, const Plot& plot, const FitSums& sums, int seriesMeasured);

}  // namespace corvane
