// The heading (Title) and subheading (Subject), at the top or the bottom of the page, laid out
// before the chart, which gets the room they leave.
#pragma once

#include "render/canvas.h"

namespace corvane {

// Draws the headings and takes their room from the area; with neither, the area keeps a
// 5-point margin instead.
void DrawHeadings(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
