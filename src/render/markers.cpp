#include "render/markers.h"

namespace corvane {
namespace {

// The path returns to its first point rather than being closed, so the outline's bottom
// corner ends in two line caps, not a join.
void DiamondPath(Path& path, double x, double y, double r) {
  path.MoveTo(x, y - r);
  path.LineTo(x - r, y);
  path.LineTo(x, y + r);
  path.LineTo(x + r, y);
  path.LineTo(x, y - r);
}

// The marker's path around (x, y).
Path MarkerPath(double x, double y, double size, MarkerShape shape) {
  Path path;
  const double r = size / 2;
  switch (shape) {
    case MarkerShape::kFilledCircle:
    case MarkerShape::kOutlineCircle:
      path.Circle(x, y, r);
      break;
    case MarkerShape::kFilledSquare:
    case MarkerShape::kOutlineSquare:
      path.Rectangle(x - r, y - r, size, size);
      break;
    case MarkerShape::kCross:
      path.MoveTo(x - r, y - r);
      path.LineTo(x + r, y + r);
      path.MoveTo(x + r, y - r);
      path.LineTo(x - r, y + r);
      break;
    case MarkerShape::kFilledDiamond:
    case MarkerShape::kOutlineDiamond:
      DiamondPath(path, x, y, r);
      break;
  }
  return path;
}

}  // namespace

void SetMarkerPen(Surface& surface, MarkerShape shape, const RgbColor& color, double thickness) {
  if (IsOutlineShape(shape)) {
    surface.SetStrokeColor(color);
    surface.SetLineWidth(thickness);
  } else {
    surface.SetFillColor(color);
  }
}

void DrawMarker(Surface& surface, double x, double y, double size, MarkerShape shape) {
  const Path path = MarkerPath(x, y, size, shape);
  if (IsOutlineShape(shape)) {
    surface.StrokePath(path);
  } else {
    surface.FillPath(path);
  }
}

std::unique_ptr<Stamp> MakeMarkerStamp(Surface& surface, MarkerShape shape, double size, double thickness) {
  const Paint paint = IsOutlineShape(shape) ? Paint::kStroke : Paint::kFill;
  // Room for the shape and, around it, any stroke and mitred corner.
  return surface.MakeStamp(MarkerPath(0, 0, size, shape), paint, size + 4 * thickness + 1);
}

}  // namespace corvane
