// The symbols drawn at data points, at moving-average points and as legend samples. The
// pen is set once per series and each marker then only builds and paints its path, so a
// colour change between the two calls changes the markers' colour.
#pragma once

#include <hpdf.h>

#include <string>

#include "model/chart_settings.h"
#include "model/rgb_color.h"

namespace corvane {

// Filled shapes take the fill colour; stroked shapes the stroke colour and the thickness.
void SetMarkerPen(MarkerShape shape, HPDF_Page page, const RgbColor& color, double thickness);

// One marker of the shape centred on (x, y): circles of diameter size, squares of side
// size, a cross over the size x size square, diamonds with corners size / 2 from the centre.
void DrawMarker(double x, double y, double size, MarkerShape shape, HPDF_Page page);

// A marker drawn at many points: its path is written once, as a form of the page, and each
// point only places the form, which keeps a chart of thousands of markers small. The form
// takes the pen in force where it is placed, as a marker drawn directly would.
class MarkerStamp {
 public:
  // thickness is the outline's, which the form's clipping box leaves room for.
  MarkerStamp(HPDF_Page page, MarkerShape shape, double size, double thickness);
  void DrawAt(double x, double y);

 private:
  HPDF_Page page_;
  const char* name_ = nullptr;  // the form's name among the page's resources; none for no shape
  std::string placement_;       // the placing operators, kept to reuse their memory
};

}  // namespace corvane
