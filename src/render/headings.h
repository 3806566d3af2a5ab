// The heading (Title) and subheading (Subject), at the top or the bottom of the page, laid out
// before the chart, which gets the room they leave.
#pragma once

#include "render/canvas.h"

namespace corvane {

// Draws the headings within the area (the page, or the page within PageMargin) and takes
// their room from it; with neither heading and no PageMargin, the area keeps a 5-point margin
// instead.
void DrawHeadings(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
