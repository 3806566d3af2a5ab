// The PDF page as the drawing surface, through libharu. The frame's few shapes and all text
// go through libharu's own operators, which write five decimals of a float; the plot's paths
// and markers, of which a chart may hold tens of thousands, are written straight into the
// content stream with numbers to a hundredth of a point, and markers as form XObjects placed
// at each point. Both ways write what libharu writes for the same operators.
#pragma once

#include <hpdf.h>

#include <array>
#include <memory>
#include <string>

#include "render/surface.h"

namespace corvane {

// A standard font of the document, with the metrics libharu measures it by.
class PdfFont final : public Font {
 public:
  explicit PdfFont(HPDF_Font font);

  double Ascent(double size) const override;
  double Descent(double size) const override;
  double Width(const std::string& text, double size) const override;

  HPDF_Font handle() const { return font_; }

 private:
  HPDF_Font font_;
  int ascent_;   // per 1000 units of the size
  int descent_;  // negative below the baseline
};

// The standard fonts of one document, each loaded once, in "WinAnsiEncoding".
class PdfFonts {
 public:
  explicit PdfFonts(HPDF_Doc doc) : doc_(doc) {}

  // The font, loaded now unless it was before. The document's objects are numbered in the
  // order of loading, so a document loads the fonts it uses, in table order, before its page.
  const PdfFont& Load(StandardFont font);

 private:
  HPDF_Doc doc_;
  std::array<std::unique_ptr<PdfFont>, kFontCount> fonts_;
};

class PdfSurface final : public Surface {
 public:
  PdfSurface(HPDF_Page page, PdfFonts& fonts) : page_(page), fonts_(fonts) {}

  double Width() const override;
  double Height() const override;

  void Save() override;
  void Restore() override;
  void SetLineWidth(double width) override;
  // libharu takes whole points for the dash.
  void SetDash(std::span<const double> pattern, double phase) override;
  void SetFillColor(const RgbColor& color) override;
  void SetStrokeColor(const RgbColor& color) override;

  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) override;
  void Rectangle(double x, double y, double width, double height) override;
  // libharu 2.3.0 draws an arc whose end comes before its start backwards; callers never ask.
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

  const Font& FontFor(StandardFont font) override;
  // The font must be one this surface handed out.
  void SetFont(const Font& font, double size) override;
  void SetTextRendering(TextRendering rendering) override;
  void ShowText(double x, double y, double angle, const std::string& text) override;

 private:
  void WriteClose();
  const std::string& PathText(const Path& path, const char* paint);

  HPDF_Page page_;
  PdfFonts& fonts_;
  // PDF closes a path and paints it in one operator; a ClosePath waits to be written with the
  // paint that follows it, or alone before anything else.
  bool closing_ = false;
  std::string text_;  // the operators of the path being written, kept to reuse their memory
};

// Writes a number to the nearest hundredth, trailing zeros and point dropped, clamped to
// +-32767 as libharu clamps, and returns the end; at most 9 characters. A NaN, which libharu
// would turn into garbage, is written as 0.
char* WritePdfReal(char* out, float value);

}  // namespace corvane
