// The frame of every chart with a value axis: the two axis captions, which take their room
// from the chart area, the grid lines and scale labels at each division of the value axis,
// and the axis lines drawn over everything else.
#pragma once

#include <cstddef>
#include <string>

#include "render/canvas.h"
#include "render/text.h"

namespace corvane {

// Scale labels are cut to this many characters.
inline constexpr std::size_t kMaxScaleLabelLength = 19;

// Writes the X caption under the plot and the Y caption, reading upwards, on the side of the
// scale labels, and narrows the area by their room. entryBottom, entryLeft and entryRight
// are the edges the area had before the plotter took room for the legend and labels.
void DrawAxisCaptions(const Canvas& canvas, ChartArea& area, int entryBottom, int entryLeft, int entryRight);

// Grid lines across the plot and the scale label of each step of the value axis: the
// AxesDivisions steps, or those a round scale chose. A dash pattern without a gap draws solid
// lines, and one with a gap but no dash draws none.
void DrawValueAxis(const Canvas& canvas, const ChartArea& area);

// The scale label of a value. A round scale writes exactly the decimals its step needs, rounded
// rather than cut, and times without their hours while the whole axis stays under one hour;
// otherwise it is the value text.
std::string ScaleLabelText(const Canvas& canvas, double value);

// The text the room beside a vertical value axis is measured on: the maximum as a plain number,
// even for time data; on a round scale the widest of its scale labels in the font.
std::string ScaleRoomText(const Canvas& canvas, const SizedFont& font);

// The two axes (XY) or a frame (Full), inset so a wide line stays inside the plot.
void DrawAxisLines(const Canvas& canvas, const ChartArea& area);

}  // namespace corvane
