// A page drawn with cairo, as the drawing interface: the surface under it is a raster image
// (PNG) or an SVG document, which the image builder chose. Coordinates are the PDF's, in
// points from the bottom left with y upwards; the surface turns cairo's user space so that
// every number reaches cairo as the PDF page receives it (in single precision). PDF keeps
// separate fill and stroke colours and a text state in its graphics state, which cairo does
// not: the surface keeps them, saved and restored with cairo's own.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "cairo/cairo_fonts.h"
#include "render/surface.h"

namespace corvane {

class CairoSurface final : public Surface {
 public:
  // Draws on the context, whose user space is in points with y downwards from the top left;
  // the page is width by height points.
  CairoSurface(cairo_t* cairo, double width, double height, CairoFonts& fonts);

  double Width() const override { return width_; }
  double Height() const override { return height_; }

  void Save() override;
  void Restore() override;
  void SetLineWidth(double width) override;
  // In whole points, as the PDF page takes it.
  void SetDash(std::span<const double> pattern, double phase) override;
  void SetFillColor(const RgbColor& color) override { state_.fill = color; }
  void SetStrokeColor(const RgbColor& color) override { state_.stroke = color; }

  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) override;
  void Rectangle(double x, double y, double width, double height) override;
  void Arc(double x, double y, double radius, double from, double to) override;
  void ClosePath() override;
  Point CurrentPoint() override;
  void Fill() override;
  void Stroke() override;
  void FillAndStroke() override;
  void Clip() override;

  void FillPath(const Path& path) override;
  void StrokePath(const Path& path) override;
  std::unique_ptr<Stamp> MakeStamp(const Path& shape, Paint paint, double reach) override;

  const Font& FontFor(StandardFont font) override { return fonts_.For(font); }
  const Font& FontFor(const FontFace& face) override { return fonts_.For(face); }
  // The font must be one this surface handed out.
  void SetFont(const Font& font, double size) override;
  void SetTextRendering(TextRendering rendering) override { state_.rendering = rendering; }
  void ShowText(double x, double y, double angle, const std::string& text) override;

  // The path, moved by (dx, dy), as the current path, painted.
  void PaintPath(const Path& path, Paint paint, double dx = 0, double dy = 0);

  // What a stamp needs to know to paint from a mask of its own rather than through cairo.
  const RgbColor& PaintColor(Paint paint) const { return paint == Paint::kFill ? state_.fill : state_.stroke; }
  double LineWidth() const { return state_.lineWidth; }
  // True when the page is pixels and nothing in force (a clip; a dash, for a stroke) stops a
  // path from being painted another way than through cairo's own painting of it.
  bool PlainRaster(Paint paint) const;

 private:
  struct State {
    RgbColor fill = kBlack;
    RgbColor stroke = kBlack;
    double lineWidth = 1;
    bool dashed = false;
    bool clipped = false;
    const CairoFont* font = nullptr;
    double size = 0;
    TextRendering rendering = TextRendering::kFill;
  };

  void UseColor(const RgbColor& color);
  // The path stroked a few segments at a time.
  void StrokeInPieces(const Path& path);

  // Segments a piece of a long line has at least.
  static constexpr std::size_t kPiece = 4;

  cairo_t* cairo_;
  bool raster_ = false;  // pixels of cairo's RGB24, which stamps may paint directly
  double width_;
  double height_;
  CairoFonts& fonts_;
  State state_;
  std::vector<State> saved_;
  // The text being drawn, kept to reuse their memory.
  std::vector<PlacedGlyph> placed_;
  std::vector<cairo_glyph_t> glyphs_;
};

}  // namespace corvane
