// Placing text and putting a font into effect, and the text metrics every layout formula
// uses: A (ascender height), D (descender depth, positive), W (text width) and S (the width
// of one blank), always of the font currently set on the page.
#pragma once

#include <hpdf.h>

#include <string>

#include "model/font_spec.h"
#include "render/canvas.h"

namespace corvane {

// Sets the text matrix for text at the angle (degrees, anticlockwise) starting at (x, y).
void PlaceText(HPDF_Page page, double angle, double x, double y);

// Draws one line of text: begin text, place it, show it, end text.
void WriteText(HPDF_Page page, double angle, double x, double y, const std::string& text);

// Sets the font and size, then the rendering mode and colours of the text style.
void ApplyFont(const Canvas& canvas, const FontSpec& spec);

double Ascent(HPDF_Page page);                          // A
double Descent(HPDF_Page page);                         // D
double TextWidth(HPDF_Page page, const std::string& text);  // W
double SpaceWidth(HPDF_Page page);                      // S

}  // namespace corvane
