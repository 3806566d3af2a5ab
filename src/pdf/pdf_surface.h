// The PDF page as the drawing surface, through libharu. The frame's few shapes and the texts
// in standard fonts go through libharu's own operators, which write five decimals of a float
// (texts in TrueType fonts, which libharu would embed whole, are written as libharu writes
// text); the plot's paths
// and markers, of which a chart may hold tens of thousands, are written straight into the
// content stream with numbers to a hundredth of a point, and markers as form XObjects placed
// at each point. Both ways write what libharu writes for the same operators.
#pragma once

#include <hpdf.h>

#include <array>
#include <memory>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fonts/font_face.h"
#include "render/surface.h"

namespace corvane {

// A standard font of the document, with the metrics libharu measures it by.
class PdfFont final : public Font {
 public:
  explicit PdfFont(HPDF_Font font);

  double Ascent(double size) const override;
  double Descent(double size) const override;
  // The text's characters must all exist in Windows-1252.
  double Width(std::string_view text, double size) const override;

  HPDF_Font handle() const { return font_; }

 private:
  HPDF_Font font_;
  int ascent_;   // per 1000 units of the size
  int descent_;  // negative below the baseline
};

// A TrueType face in the document: its texts are written as glyph numbers, and at the end the
// glyphs the page used are embedded as a subset of the face, with their widths and the
// characters they stand for, so that a reader lays the text out as it was measured and copies
// it as it was typed.
class PdfTrueTypeFont final : public Font {
 public:
  PdfTrueTypeFont(const FontFace& face, HPDF_Dict dict) : face_(face), dict_(dict) {}

  double Ascent(double size) const override;
  double Descent(double size) const override;
  double Width(std::string_view text, double size) const override;

  // The text's glyph numbers as a hexadecimal string, each glyph noted as used.
  std::string Glyphs(std::string_view text) const;
  // Adds the widths, characters and subset of the glyphs used.
  void Embed(HPDF_Doc doc) const;

  HPDF_Dict dict() const { return dict_; }

 private:
  const FontFace& face_;
  HPDF_Dict dict_;
  mutable std::map<unsigned, char32_t> used_;  // each glyph drawn, with the first character it drew
};

// The fonts of one document, each loaded once: the standard fonts in "WinAnsiEncoding", and
// the TrueType faces the texts need.
class PdfFonts {
 public:
  explicit PdfFonts(HPDF_Doc doc) : doc_(doc) {}

  // The font, loaded now unless it was before. The document's objects are numbered in the
  // order of loading, so a document loads the fonts it uses, in table order, before its page.
  const PdfFont& Load(StandardFont font);
  const PdfTrueTypeFont& Load(const FontFace& face);

  // Embeds the TrueType faces' subsets; called when the page is drawn.
  void EmbedTrueType();

 private:
  HPDF_Doc doc_;
  std::array<std::unique_ptr<PdfFont>, kFontCount> fonts_;
  std::vector<std::pair<const FontFace*, std::unique_ptr<PdfTrueTypeFont>>> trueType_;
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
  const Font& FontFor(const FontFace& face) override;
  // The font must be one this surface handed out.
  void SetFont(const Font& font, double size) override;
  void SetTextRendering(TextRendering rendering) override;
  void ShowText(double x, double y, double angle, const std::string& text) override;

 private:
  void WriteClose();
  void ShowTrueTypeText(float c, float s, float x, float y, const std::string& text);
  const std::string& PathText(const Path& path, const char* paint);

  HPDF_Page page_;
  PdfFonts& fonts_;
  // The TrueType font in effect and its size, or none while a standard font is: libharu knows
  // only its own fonts, so these texts are written into the content stream directly.
  const PdfTrueTypeFont* trueType_ = nullptr;
  float trueTypeSize_ = 0;
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
