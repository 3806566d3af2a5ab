// The backgrounds: the page's colour, and the plot's, one colour or a stepwise gradient whose
// bands follow the value-axis divisions so that they meet the grid lines.
#pragma once

#include "render/canvas.h"

namespace corvane {

// Paints Page.color over the whole page; nothing for white paper.
void DrawPageBackground(Surface& surface, const ChartSettings& settings);

// Paints ChartBackground over the plot area; nothing when it is not set or is the page colour.
void DrawPlotBackground(const Canvas& canvas, const ChartArea& area);

}  // namespace corvane
