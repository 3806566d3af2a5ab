#include "render/text.h"

#include <cmath>

#include "render/color.h"

namespace corvane {

void PlaceText(HPDF_Page page, double angle, double x, double y) {
  const double r = angle * 3.141592653589793 / 180;
  HPDF_Page_SetTextMatrix(page, static_cast<float>(std::cos(r)), static_cast<float>(std::sin(r)),
                          static_cast<float>(-std::sin(r)), static_cast<float>(std::cos(r)),
                          static_cast<float>(x), static_cast<float>(y));
}

void WriteText(HPDF_Page page, double angle, double x, double y, const std::string& text) {
  HPDF_Page_BeginText(page);
  PlaceText(page, angle, x, y);
  HPDF_Page_ShowText(page, text.c_str());
  HPDF_Page_EndText(page);
}

void ApplyFont(const Canvas& canvas, const FontSpec& spec) {
  HPDF_Page_SetFontAndSize(canvas.page, canvas.fonts[FontIndex(spec.font)], static_cast<float>(spec.size));
  const bool filledOnly =
      spec.textStyle == TextStyle::kNormal ||
      (spec.textStyle == TextStyle::kStroke && SameColor(spec.fillColor, spec.strokeColor));
  if (filledOnly) {
    HPDF_Page_SetTextRenderingMode(canvas.page, HPDF_FILL);
    SetFillColor(canvas.page, spec.fillColor);
  } else if (spec.textStyle == TextStyle::kStroke) {
    HPDF_Page_SetTextRenderingMode(canvas.page, HPDF_FILL_THEN_STROKE);
    SetStrokeColor(canvas.page, spec.strokeColor);
    SetFillColor(canvas.page, spec.fillColor);
  }
}

double Ascent(HPDF_Page page) {
  return static_cast<double>(HPDF_Font_GetAscent(HPDF_Page_GetCurrentFont(page))) *
         HPDF_Page_GetCurrentFontSize(page) / 1000;
}

double Descent(HPDF_Page page) {
  return -static_cast<double>(HPDF_Font_GetDescent(HPDF_Page_GetCurrentFont(page))) *
         HPDF_Page_GetCurrentFontSize(page) / 1000;
}

double TextWidth(HPDF_Page page, const std::string& text) { return HPDF_Page_TextWidth(page, text.c_str()); }

double SpaceWidth(HPDF_Page page) { return TextWidth(page, " "); }

}  // namespace corvane
