#include "render/markers.h"

#include <hpdf_pages.h>

#include <string>

#include "render/color.h"
#include "render/page_path.h"

namespace corvane {
namespace {

// The path returns to its first point rather than being closed, so the outline's bottom
// corner ends in two line caps, not a join.
void DiamondPath(PagePath& path, double x, double y, double r) {
  path.MoveTo(x, y - r);
  path.LineTo(x - r, y);
  path.LineTo(x, y + r);
  path.LineTo(x + r, y);
  path.LineTo(x, y - r);
}

// Builds the marker's path around (x, y); tells whether the shape is filled (else stroked).
bool MarkerPath(PagePath& path, double x, double y, double size, MarkerShape shape) {
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
  return !IsOutlineShape(shape);
}

void Paint(PagePath& path, bool filled, HPDF_Dict target) {
  if (filled) {
    path.Fill(target);
  } else {
    path.Stroke(target);
  }
}

}  // namespace

void SetMarkerPen(MarkerShape shape, HPDF_Page page, const RgbColor& color, double thickness) {
  switch (shape) {
    case MarkerShape::kFilledCircle:
    case MarkerShape::kFilledSquare:
    case MarkerShape::kFilledDiamond:
      SetFillColor(page, color);
      break;
    case MarkerShape::kOutlineCircle:
    case MarkerShape::kOutlineSquare:
    case MarkerShape::kCross:
    case MarkerShape::kOutlineDiamond:
      SetStrokeColor(page, color);
      HPDF_Page_SetLineWidth(page, static_cast<float>(thickness));
      break;
  }
}

void DrawMarker(double x, double y, double size, MarkerShape shape, HPDF_Page page) {
  PagePath path;
  const bool filled = MarkerPath(path, x, y, size, shape);
  Paint(path, filled, page);
}

MarkerStamp::MarkerStamp(HPDF_Page page, MarkerShape shape, double size, double thickness) : page_(page) {
  PagePath path;
  const bool filled = MarkerPath(path, 0, 0, size, shape);
  if (path.empty()) return;
  const auto attr = static_cast<HPDF_PageAttr>(page->attr);
  HPDF_Dict form = HPDF_DictStream_New(page->mmgr, attr->xref);
  if (form == nullptr) {
    HPDF_CheckError(page->error);
    return;
  }
  if (attr->compression_mode & HPDF_COMP_TEXT) form->filter = HPDF_STREAM_FILTER_FLATE_DECODE;
  HPDF_Dict_AddName(form, "Type", "XObject");
  HPDF_Dict_AddName(form, "Subtype", "Form");
  // A form clips to its box: room for the shape and, around it, any stroke and mitred corner.
  const auto half = static_cast<float>(size + 4 * thickness + 1);
  HPDF_Array box = HPDF_Array_New(page->mmgr);
  HPDF_Dict_Add(form, "BBox", box);
  for (const float edge : {-half, -half, half, half}) HPDF_Array_AddReal(box, edge);
  Paint(path, filled, form);
  name_ = HPDF_Page_GetXObjectName(page, form);
  HPDF_CheckError(page->error);
}

void MarkerStamp::DrawAt(double x, double y) {
  if (name_ == nullptr) return;
  std::string& line = placement_;
  line = "q 1 0 0 1 ";
  char number[16];
  line.append(number, WritePdfReal(number, static_cast<float>(x)));
  line += ' ';
  line.append(number, WritePdfReal(number, static_cast<float>(y)));
  line += " cm /";
  line += name_;
  line += " Do Q\n";
  WriteToPage(page_, line.data(), line.size());
}

}  // namespace corvane
