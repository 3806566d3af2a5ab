#include "render/markers.h"

#include "render/color.h"

namespace corvane {
namespace {

void MoveTo(HPDF_Page page, double x, double y) {
  HPDF_Page_MoveTo(page, static_cast<float>(x), static_cast<float>(y));
}

void LineTo(HPDF_Page page, double x, double y) {
  HPDF_Page_LineTo(page, static_cast<float>(x), static_cast<float>(y));
}

// The path returns to its first point rather than being closed, so the outline's bottom
// corner ends in two line caps, not a join.
void DiamondPath(HPDF_Page page, double x, double y, double r) {
  MoveTo(page, x, y - r);
  LineTo(page, x - r, y);
  LineTo(page, x, y + r);
  LineTo(page, x + r, y);
  LineTo(page, x, y - r);
}

}  // namespace

void SetMarkerPen(int shape, HPDF_Page page, const RgbColor& color, double thickness) {
  switch (shape) {
    case kMarkerFilledCircle:
    case kMarkerFilledSquare:
    case kMarkerFilledDiamond:
      SetFillColor(page, color);
      break;
    case kMarkerOutlineCircle:
    case kMarkerOutlineSquare:
    case kMarkerCross:
    case kMarkerOutlineDiamond:
      SetStrokeColor(page, color);
      HPDF_Page_SetLineWidth(page, static_cast<float>(thickness));
      break;
    default:
      break;
  }
}

void DrawMarker(double x, double y, double size, int shape, HPDF_Page page) {
  const double r = size / 2;
  switch (shape) {
    case kMarkerFilledCircle:
    case kMarkerOutlineCircle:
      HPDF_Page_Circle(page, static_cast<float>(x), static_cast<float>(y), static_cast<float>(r));
      break;
    case kMarkerFilledSquare:
    case kMarkerOutlineSquare:
      HPDF_Page_Rectangle(page, static_cast<float>(x - r), static_cast<float>(y - r),
                          static_cast<float>(size), static_cast<float>(size));
      break;
    case kMarkerCross:
      MoveTo(page, x - r, y - r);
      LineTo(page, x + r, y + r);
      MoveTo(page, x + r, y - r);
      LineTo(page, x - r, y + r);
      break;
    case kMarkerFilledDiamond:
    case kMarkerOutlineDiamond:
      DiamondPath(page, x, y, r);
      break;
    default:
      return;
  }
  const bool filled =
      shape == kMarkerFilledCircle || shape == kMarkerFilledSquare || shape == kMarkerFilledDiamond;
  if (filled) {
    HPDF_Page_Fill(page);
  } else {
    HPDF_Page_Stroke(page);
  }
}

}  // namespace corvane
