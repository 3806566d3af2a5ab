// A path built in memory and written to the page's content stream whole, together with the
// operator that paints it. libharu's own path operators check the page state, clear a
// 512-byte buffer and format one number at a time; charts of many points draw tens of
// thousands of them, so the lines and markers of the plot are built here instead.
//
// The operators are the ones libharu writes; the numbers are rounded to a hundredth of a
// point (libharu writes five decimals of a float, whose last ones are noise), which makes a
// large chart a fifth smaller and quicker to compress. Each path is written only with its
// painting operator, which leaves libharu's idea of the page state (no path open) true.
#pragma once

#include <hpdf.h>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace corvane {

class PagePath {
 public:
  // Coordinates are computed in double precision; the page, like libharu, holds single.
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
  void Rectangle(double x, double y, double width, double height);
  // Four Bézier quarters from the leftmost point over the top, as libharu draws a circle.
  void Circle(double x, double y, double radius);

  // Paint the path and write it to the page, or to a form (a dictionary with a stream); the
  // path is then empty again. An empty path writes nothing.
  void Fill(HPDF_Dict target);
  void Stroke(HPDF_Dict target);

  bool empty() const { return text_.empty(); }

 private:
  void Numbers(std::initializer_list<float> values, const char* op);
  void Paint(HPDF_Dict target, const char* op);

  std::string text_;
};

// Writes a number to the nearest hundredth, trailing zeros and point dropped, clamped to
// +-32767 as libharu clamps, and returns the end; at most 9 characters. A NaN, which libharu
// would turn into garbage, is written as 0.
char* WritePdfReal(char* out, float value);

// Appends bytes to the content of a page, or of a form.
void WriteToPage(HPDF_Dict target, const char* bytes, std::size_t size);

}  // namespace corvane
