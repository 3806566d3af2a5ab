// The symbols drawn at data points, at moving-average points and as legend samples. The
// pen is set once per series and each marker then only builds and paints its path, so a
// colour change between the two calls changes the markers' colour.
#pragma once

#include <hpdf.h>

#include "model/rgb_color.h"

namespace corvane {

// LineMarker.shape and MovingAverageMarker.shape.
enum MarkerShape : int {
  kMarkerFilledCircle = 1,
  kMarkerOutlineCircle = 2,
  kMarkerFilledSquare = 3,
  kMarkerOutlineSquare = 4,
  kMarkerCross = 5,
  kMarkerFilledDiamond = 6,
  kMarkerOutlineDiamond = 7,
};

// Filled shapes take the fill colour; stroked shapes the stroke colour and the thickness.
void SetMarkerPen(int shape, HPDF_Page page, const RgbColor& color, double thickness);

// One marker of the shape centred on (x, y): circles of diameter size, squares of side
// size, a cross over the size x size square, diamonds with corners size / 2 from the centre.
void DrawMarker(double x, double y, double size, int shape, HPDF_Page page);

}  // namespace corvane
