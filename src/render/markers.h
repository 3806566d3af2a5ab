// The symbols drawn at data points, at moving-average points and as legend samples. The
// pen is set once per series and each marker then only builds and paints its path, so a
// colour change between the two calls changes the markers' colour.
#pragma once

#include <memory>

#include "model/chart_settings.h"
#include "model/rgb_color.h"
#include "render/surface.h"

namespace corvane {

// Filled shapes take the fill colour; stroked shapes the stroke colour and the thickness.
void SetMarkerPen(Surface& surface, MarkerShape shape, const RgbColor& color, double thickness);

// One marker of the shape centred on (x, y): circles of diameter size, squares of side
// size, a cross over the size x size square, diamonds with corners size / 2 from the centre.
void DrawMarker(Surface& surface, double x, double y, double size, MarkerShape shape);

// A marker drawn at many points, as a stamp: its path is drawn once and each point only
// places it, which keeps a chart of thousands of markers small. thickness is the outline's,
// for which the stamp leaves room.
std::unique_ptr<Stamp> MakeMarkerStamp(Surface& surface, MarkerShape shape, double size, double thickness);

}  // namespace corvane
