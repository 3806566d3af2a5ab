// The two legends. The data-series legend of bar, line and area charts shows a line sample
// with its marker per series (a colour swatch for bars that draw every series); the pie
// chart's item legend a colour swatch per data item.
// Both lay their entries out column by column in a box above, below, left or right of the
// chart, and take the box's room from the chart area before anything else is placed.
#pragma once

#include "model/rgb_color.h"
#include "render/canvas.h"

namespace corvane {

// Does nothing when DataSeriesLegend.position is 0.
void DrawSeriesLegend(const Canvas& canvas, ChartArea& area);

// Does nothing when Legend.position is 0.
void DrawItemLegend(const Canvas& canvas, ChartArea& area);

// The colour of pie slice i, shared by the slices and their legend swatches: the PieColor
// entries in turn, or black for every slice when none was given.
RgbColor PieSliceColor(const ChartSettings& settings, int i);

}  // namespace corvane
