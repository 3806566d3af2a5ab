// A surface that draws nothing and keeps how far the texts shown on it reach. The layout draws
// a chart on it first to learn which margins keep every text on the page; it measures with the
// page's own fonts, so the trial and the drawing agree to the point.
#pragma once

#include <cmath>
#include <memory>
#include <span>
#include <string>

#include "render/surface.h"

namespace corvane {

// The box around every text shown, each taken as its turned box: its width along its
// baseline, the font's ascent above and descent below it. Empty (left > right) before any.
struct TextReach {
  double left = INFINITY;
  double bottom = INFINITY;
  double right = -INFINITY;
  double top = -INFINITY;

  bool empty() const { return left > right; }
};

class MeasuringSurface final : public Surface {
 public:
  explicit MeasuringSurface(Surface& page) : page_(page) {}

  const TextReach& reach() const { return reach_; }
  // Starts the reach afresh, for the texts shown from now on.
  void ForgetTexts() { reach_ = TextReach{}; }

  double Width() const override { return page_.Width(); }
  double Height() const override { return page_.Height(); }

  void Save() override {}
  void Restore() override {}
  void SetLineWidth(double) override {}
  void SetDash(std::span<const double>, double) override {}
  void SetFillColor(const RgbColor&) override {}
  void SetStrokeColor(const RgbColor&) override {}

  void MoveTo(double x, double y) override { current_ = Point{x, y}; }
  void LineTo(double x, double y) override { current_ = Point{x, y}; }
  void CurveTo(double, double, double, double, double x3, double y3) override { current_ = Point{x3, y3}; }
  void Rectangle(double x, double y, double, double) override { current_ = Point{x, y}; }
  void Arc(double x, double y, double radius, double, double to) override;
  void ClosePath() override {}
  Point CurrentPoint() override { return current_; }
  void Fill() override {}
  void Stroke() override {}
  void FillAndStroke() override {}
  void Clip() override {}

  void FillPath(const Path&) override {}
  void StrokePath(const Path&) override {}
  std::unique_ptr<Stamp> MakeStamp(const Path& shape, Paint paint, double reach) override;

  const Font& FontFor(StandardFont font) override { return page_.FontFor(font); }
  const Font& FontFor(const FontFace& face) override { return page_.FontFor(face); }
  void SetFont(const Font& font, double size) override {
    font_ = &font;
    size_ = size;
  }
  void SetTextRendering(TextRendering) override {}
  void ShowText(double x, double y, double angle, const std::string& text) override;

 private:
  Surface& page_;
  const Font* font_ = nullptr;
  double size_ = 0;
  Point current_;
  TextReach reach_;
};

}  // namespace corvane
