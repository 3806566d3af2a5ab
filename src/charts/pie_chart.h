// The pie chart: one slice per data item, its share of the sum of the first series values,
// running clockwise from twelve o'clock, with the item legend and optional slice labels
// inside the slices, outside the rim or along each slice's middle line (upright on the left
// half with SpokeUpright); "PPPP" in their templates writes the share. Angles are degrees
// as Surface::Arc takes them: 0 points straight up and angles grow clockwise, so the point
// at angle a and distance r from (cx, cy) is (cx + r sin a, cy + r cos a). Like every angle
// of the pie they are single precision.
#pragma once

#include "charts/chart_plotter.h"
#include "render/canvas.h"

namespace corvane {

struct PieDisc {
  float cx = 0;
  float cy = 0;
  float r = 0;
};

struct PiePoint {
  float x = 0;
  float y = 0;
};

// The circle the pie fills: centred in the area, as large as fits, less half the outline
// width (so the outline stays inside the area) and less PiePageMargin.
PieDisc PieCircle(const ChartSettings& settings, const ChartArea& area);

// The point at distance r from (cx, cy) at the middle angle of the span a0..a1. A span wider
// than half a turn is first narrowed by a degree at each end until it is not. The angles must
// lie within a few turns of 0, as a pie's do.
PiePoint SliceMidPoint(float cx, float cy, float r, float a0, float a1);

// Draws the item legend, makes room for Outside labels, then the slices and their labels.
// A slice running backwards (from a negative value) refuses the chart before anything is
// drawn, and so does a pie left with no radius once the legend and the labels have their
// room; a sum of values of 0 leaves every slice empty.
ChartOutcome DrawPieChart(const Canvas& canvas, ChartArea& area);

}  // namespace corvane
