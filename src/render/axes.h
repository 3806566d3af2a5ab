// The frame of every chart with a value axis: the two axis captions, which take their room
// from the chart area, the grid lines and scale labels at each division of the value axis,
// and the axis lines drawn over everything else.
#pragma once

#include <cstddef>

#include "render/canvas.h"

namespace corvane {

// Scale labels are cut to this many characters.
inline constexpr std::size_t kMaxScaleLabelLength = 19;

// Writes the X caption under the plot and the Y caption, reading upwards, on the side of the
// scale labels, and narrows the area by their room. entryBottom, entryLeft and entryRight
// are the edges the area had before the plotter took room for the legend and labels.
void DrawAxisCaptions(const Canvas& canvas, ChartArea& area, int entryBottom, int entryLeft, int entryRight);

// Grid lines across the plot and the scale label of each of the AxesDivisions steps.
void DrawValueAxis(const Canvas& canvas, const ChartArea& area);

// The two axes (XY) or a frame (Full), inset so a wide line stays inside the plot.
void DrawAxisLines(const Canvas& canvas, const ChartArea& area);

}  // namespace corvane
