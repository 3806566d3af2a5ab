// The plot background: one colour, or a stepwise gradient whose bands follow the value-axis
// divisions so that they meet the grid lines.
#pragma once

#include "render/canvas.h"

namespace corvane {

// Paints ChartBackground over the plot area; nothing when it is not set or is the page colour.
void DrawPlotBackground(const Canvas& canvas, const ChartArea& area);

}  // namespace corvane
