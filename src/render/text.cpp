#include "render/text.h"

#include "render/color.h"

namespace corvane {

SizedFont FontOf(const Canvas& canvas, const FontSpec& spec) {
  return SizedFont{canvas.surface.FontFor(spec.font), static_cast<double>(spec.size)};
}

SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec) {
  Surface& surface = canvas.surface;
  const SizedFont font = FontOf(canvas, spec);
  surface.SetFont(font.font, font.size);
  const bool filledOnly = spec.textStyle == TextStyle::kNormal ||
                          (spec.textStyle == TextStyle::kStroke && SameColor(spec.fillColor, spec.strokeColor));
  if (filledOnly) {
    surface.SetTextRendering(TextRendering::kFill);
    surface.SetFillColor(spec.fillColor);
  } else {
    surface.SetTextRendering(TextRendering::kFillThenStroke);
    surface.SetStrokeColor(spec.strokeColor);
    surface.SetFillColor(spec.fillColor);
  }
  return font;
}

}  // namespace corvane
