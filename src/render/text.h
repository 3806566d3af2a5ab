// Putting a font setting into effect, and the text metrics every layout formula uses, taken from
// the font the text is drawn in: A (ascender height), D (descender depth, positive), W (text
// width) and S (the width of one blank).
#pragma once

#include <initializer_list>
#include <vector>
#include <string>

#include "model/font_spec.h"
#include "render/canvas.h"

namespace corvane {

// A font at a size: what the layout measures and draws a text element with. A, D and S are
// those of the font the element's texts are drawn in (of the tallest, when they take several);
// W measures each text in the fonts it is drawn in.
struct SizedFont {
  TextFont& font;
  double size;
  const Font& measured;  // the font A, D and S are taken from

  double Ascent() const { return measured.Ascent(size); }                          // A
  double Descent() const { return measured.Descent(size); }                        // D
  double Width(const std::string& text) const { return font.Width(text, size); }   // W
  double SpaceWidth() const { return measured.Width(" ", size); }                  // S
  // Draws one line of text from (x, y) on its baseline, at the angle in degrees anticlockwise.
  void Show(double x, double y, double angle, const std::string& text) const {
    font.Show(x, y, angle, text, size);
  }
  // Puts the font and size into effect, for the texts drawn next.
  void Select(Surface& surface) const { surface.SetFont(font.applied(), size); }
};

// The setting's font at its size, measured for the texts the element draws in it (none: the
// font the setting puts into effect).
SizedFont FontOf(const Canvas& canvas, const FontSpec& spec, std::initializer_list<const std::string*> texts = {});

// Sets the font and size, then the rendering and colours of the text style; returns the font at
// its size, which the text drawn next is measured with.
SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec, std::initializer_list<const std::string*> texts = {});

// The same for an element of many texts.
SizedFont FontOf(const Canvas& canvas, const FontSpec& spec, const std::vector<std::string>& texts);
SizedFont ApplyFont(const Canvas& canvas, const FontSpec& spec, const std::vector<std::string>& texts);

}  // namespace corvane
