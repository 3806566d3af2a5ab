// Putting a font spec into effect, and the text metrics every layout formula uses, taken from
// the font the text is drawn in: A (ascender height), D (descender depth, positive), W (text
// width) and S (the width of one blank).
#pragma once

#include <string>

#include "model/font_spec.h"
#include "render/canvas.h"

namespace corvane {

// A font at a size: what the layout measures a text element with.
struct SizedFont {
  const Font& font;
  double size;

  double Ascent() const { return font.Ascent(size); }                          // A
  double Descent() const { return font.Descent(size); }                        // D
  double Width(const std::string& text) const { return font.Width(text, size); }  // W
  double SpaceWidth() const { return font.Width(" ", size); }                  // S
};

// The spec's font at its size.
SizedFont FontOf(const Canvas& canvas, const FontSpec& spec);

// Sets the font and size, then the rendering and colours of the text style; returns the font at
// its size, which the text drawn next is measured with.
SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec);

}  // namespace corvane
