// The drawing interface every chart is drawn on. The layout is computed once, above it, and
// each output format is one implementation: the PDF page (src/pdf) now, raster and vector
// images with cairo later. It is cairo's and PDF's own model: a graphics state of line width,
// dash, fill and stroke colours, font and text rendering, saved and restored; a current path
// that is filled, stroked or clipped; text placed at a point with an angle. Coordinates are
// points from the bottom left of the page, y upwards.
//
// Two further pieces serve the plot's volume: a Path built in memory and painted whole (the
// PDF surface writes its numbers to a hundredth of a point), and a Stamp, a shape defined once
// and placed at many points.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "model/font_spec.h"
#include "model/rgb_color.h"
#include "render/path.h"

namespace corvane {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

class FontFace;

// A font the surface hands out: a standard font, or a TrueType face. It answers its own
// metrics, which are all the layout knows of it: text is measured through the font it is
// drawn in, never through a table of widths. Texts are UTF-8; a standard font is given only
// texts whose characters all exist in Windows-1252 (render/text_fonts.h sees to it).
class Font {
 public:
  virtual ~Font() = default;
  // The height above the baseline and the depth below it (positive) at the size in points.
  virtual double Ascent(double size) const = 0;
  virtual double Descent(double size) const = 0;
  // The advance of the whole text at the size.
  virtual double Width(std::string_view text, double size) const = 0;
};

// Normal text is filled; Stroke text is filled and then outlined in the stroke colour.
enum class TextRendering { kFill, kFillThenStroke };

// How a stamp's shape is painted: filled, or stroked with the line width in force.
enum class Paint { kFill, kStroke };

// A shape placed at many points. It takes the colours and line width in force where it is
// placed, as a shape drawn there directly would.
class Stamp {
 public:
  virtual ~Stamp() = default;
  // Draws the shape with its origin at (x, y).
  virtual void DrawAt(double x, double y) = 0;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // The page's size in points.
  virtual double Width() const = 0;
  virtual double Height() const = 0;

  // The graphics state. Nothing is restored behind a caller's back: each element sets what it
  // paints with right before it paints.
  virtual void Save() = 0;
  virtual void Restore() = 0;
  virtual void SetLineWidth(double width) = 0;
  // Alternating on and off lengths, starting phase points into them; none for a solid line.
  virtual void SetDash(std::span<const double> pattern, double phase) = 0;
  virtual void SetFillColor(const RgbColor& color) = 0;
  virtual void SetStrokeColor(const RgbColor& color) = 0;

  // The current path, which each paint uses up.
  virtual void MoveTo(double x, double y) = 0;
  virtual void LineTo(double x, double y) = 0;
  virtual void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) = 0;
  virtual void Rectangle(double x, double y, double width, double height) = 0;
  // The arc of the circle round (x, y) from angle `from` to angle `to`, in degrees clockwise
  // from twelve o'clock (as a pie is measured), joined by a line to the current point if there
  // is one. `to` must not be before `from`, nor a whole turn or more after it.
  virtual void Arc(double x, double y, double radius, double from, double to) = 0;
  virtual void ClosePath() = 0;
  // Where the current path ends.
  virtual Point CurrentPoint() = 0;
  virtual void Fill() = 0;
  virtual void Stroke() = 0;
  virtual void FillAndStroke() = 0;
  // Narrows the clipping region to the current path.
  virtual void Clip() = 0;

  // A path built in memory, painted whole; the current path is not touched.
  virtual void FillPath(const Path& path) = 0;
  virtual void StrokePath(const Path& path) = 0;

  // The shape, drawn around its origin, as a stamp. reach bounds the shape and its stroke:
  // they lie within reach of the origin on every side.
  virtual std::unique_ptr<Stamp> MakeStamp(const Path& shape, Paint paint, double reach) = 0;

  // The handle of a standard font, the same for the whole page.
  virtual const Font& FontFor(StandardFont font) = 0;
  // The handle of a TrueType face, the same for the whole page; the surface draws it from the
  // face's file (a PDF embeds the glyphs the page uses).
  virtual const Font& FontFor(const FontFace& face) = 0;
  // The font and size text is drawn in from now on.
  virtual void SetFont(const Font& font, double size) = 0;
  virtual void SetTextRendering(TextRendering rendering) = 0;
  // One line of text (UTF-8) in the current font, starting at (x, y) on its baseline and
  // running at the angle, in degrees anticlockwise (at 90 it reads upwards). A character the
  // font lacks is drawn as its missing-glyph box.
  virtual void ShowText(double x, double y, double angle, const std::string& text) = 0;
};

}  // namespace corvane
