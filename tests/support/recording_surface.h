// A drawing surface that records its calls as lines of text, so that a test can state the
// geometry it expects ("rect 100 100 88 100", "arc 300 300 200 0 180") without reading a file
// format. Numbers are written as %g of the value rounded to a hundredth.
//
// Its fonts are fakes with round metrics, the same for every standard font: at size s the
// ascent is 0.75 s, the descent 0.25 s and every character 0.5 s wide (so S, the width of a
// blank, is 0.5 s too).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "render/surface.h"

namespace corvane::testing {

class FakeFont;

// A text shown, and the size of the font it was shown in.
struct ShownText {
  std::string text;
  double x, y, angle, size;
};

// The box a shown text covers on the page, from the fake metrics: turned by its angle, as long
// as the text, 0.75 of the size above the baseline and 0.25 below.
struct TextBox {
  double left, bottom, right, top;
};
TextBox BoxOf(const ShownText& shown);

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(double width = 800, double height = 600);
  ~RecordingSurface() override;

  // Every call so far, in order, and those whose first word is one of the given ones.
  const std::vector<std::string>& calls() const { return calls_; }
  std::vector<std::string> Calls(const std::string& words) const;
  // The calls as one text, "; " between them.
  std::string Joined(const std::string& words = "") const;

  double Width() const override { return width_; }
  double Height() const override { return height_; }

  void Save() override { Record("save"); }
  void Restore() override { Record("restore"); }
  void SetLineWidth(double width) override { Record("line-width", {width}); }
  void SetDash(std::span<const double> pattern, double phase) override;
  void SetFillColor(const RgbColor& color) override { Record("fill-color", {color.red, color.green, color.blue}); }
  void SetStrokeColor(const RgbColor& color) override {
    Record("stroke-color", {color.red, color.green, color.blue});
  }

  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) override;
  void Rectangle(double x, double y, double width, double height) override;
  void Arc(double x, double y, double radius, double from, double to) override;
  void ClosePath() override { Record("close"); }
  Point CurrentPoint() override { return current_; }
  void Fill() override { Record("fill"); }
  void Stroke() override { Record("stroke"); }
  void FillAndStroke() override { Record("fill-stroke"); }
  void Clip() override { Record("clip"); }

  // "fill-path m 1 2, l 3 4"
  void FillPath(const Path& path) override { Record("fill-path " + Describe(path)); }
  void StrokePath(const Path& path) override { Record("stroke-path " + Describe(path)); }
  // "stamp 1 fill reach 21: m ..., l ...", then "place 1 100 200" for each point.
  std::unique_ptr<Stamp> MakeStamp(const Path& shape, Paint paint, double reach) override;

  const Font& FontFor(StandardFont font) override;
  const Font& FontFor(const FontFace& face) override;
  // "font Times-Roman 10"
  void SetFont(const Font& font, double size) override;
  void SetTextRendering(TextRendering rendering) override;
  // "text I0 191.5 104 0": the text, where it starts and its angle.
  void ShowText(double x, double y, double angle, const std::string& text) override;

  // Every text shown so far, in order.
  const std::vector<ShownText>& texts() const { return texts_; }

  // A path as its operators and numbers, "m 1 2, l 3 4".
  static std::string Describe(const Path& path);

 private:
  void Record(const std::string& call, std::initializer_list<double> numbers = {});

  double width_;
  double height_;
  Point current_;
  int stamps_ = 0;
  double size_ = 0;
  std::vector<std::string> calls_;
  std::vector<std::unique_ptr<FakeFont>> trueType_;  // named by the faces' PostScript names
  std::vector<ShownText> texts_;
};

// A number as the recording writes it.
std::string Number(double value);

}  // namespace corvane::testing
