#include "support/recording_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "fonts/font_face.h"
#include "platform/encoding.h"

namespace corvane::testing {
namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

// Every character half the size wide; a TrueType face a little taller than a standard font.
class FakeFont final : public Font {
 public:
  explicit FakeFont(std::string fontName, double ascent = 0.75) : name(std::move(fontName)), ascent_(ascent) {}
  double Ascent(double size) const override { return ascent_ * size; }
  double Descent(double size) const override { return 0.25 * size; }
  double Width(std::string_view text, double size) const override {
    return 0.5 * size * static_cast<double>(CodePointCount(text));
  }
  std::string name;

 private:
  double ascent_;
};

namespace {

// Where a recorded stamp is placed.
class RecordedStamp final : public Stamp {
 public:
  RecordedStamp(std::vector<std::string>& calls, int number) : calls_(calls), number_(number) {}
  void DrawAt(double x, double y) override {
    calls_.push_back("place " + std::to_string(number_) + " " + Number(x) + " " + Number(y));
  }

 private:
  std::vector<std::string>& calls_;
  int number_;
};

bool StartsWithOneOf(const std::string& call, const std::string& words) {
  const std::string first = call.substr(0, call.find(' '));
  return words.empty() || (" " + words + " ").find(" " + first + " ") != std::string::npos;
}

}  // namespace

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::round(value * 100) / 100 + 0.0);  // + 0.0 turns -0 into 0
  return text;
}

std::vector<std::string> RecordingSurface::Calls(const std::string& words) const {
  std::vector<std::string> chosen;
  for (const std::string& call : calls_) {
    if (StartsWithOneOf(call, words)) chosen.push_back(call);
  }
  return chosen;
}

std::string RecordingSurface::Joined(const std::string& words) const {
  std::string text;
  for (const std::string& call : Calls(words)) text += (text.empty() ? "" : "; ") + call;
  return text;
}

void RecordingSurface::Record(const std::string& call, std::initializer_list<double> numbers) {
  std::string line = call;
  for (const double n : numbers) line += " " + Number(n);
  calls_.push_back(line);
}

void RecordingSurface::SetDash(std::span<const double> pattern, double phase) {
  std::string line = "dash [";
  for (std::size_t i = 0; i < pattern.size(); ++i) line += (i > 0 ? " " : "") + Number(pattern[i]);
  calls_.push_back(line + "] " + Number(phase));
}

void RecordingSurface::MoveTo(double x, double y) {
  Record("move", {x, y});
  current_ = {x, y};
}

void RecordingSurface::LineTo(double x, double y) {
  Record("line", {x, y});
  current_ = {x, y};
}

void RecordingSurface::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  Record("curve", {x1, y1, x2, y2, x3, y3});
  current_ = {x3, y3};
}

void RecordingSurface::Rectangle(double x, double y, double width, double height) {
  Record("rect", {x, y, width, height});
  current_ = {x, y};
}

void RecordingSurface::Arc(double x, double y, double radius, double from, double to) {
  Record("arc", {x, y, radius, from, to});
  current_ = {x + radius * std::sin(to * kPi / 180), y + radius * std::cos(to * kPi / 180)};
}

std::unique_ptr<Stamp> RecordingSurface::MakeStamp(const Path& shape, Paint paint, double reach) {
  ++stamps_;
  calls_.push_back("stamp " + std::to_string(stamps_) + (paint == Paint::kFill ? " fill" : " stroke") +
                   " reach " + Number(reach) + ": " + Describe(shape));
  return std::make_unique<RecordedStamp>(calls_, stamps_);
}

const Font& RecordingSurface::FontFor(StandardFont font) {
  static const std::vector<FakeFont> fonts = [] {
    std::vector<FakeFont> all;
    for (int n = 0; n < kFontCount; ++n) all.emplace_back(StandardFontName(static_cast<StandardFont>(n)));
    return all;
  }();
  return fonts[FontIndex(font)];
}

RecordingSurface::RecordingSurface(double width, double height) : width_(width), height_(height) {}

RecordingSurface::~RecordingSurface() = default;

const Font& RecordingSurface::FontFor(const FontFace& face) {
  for (const auto& known : trueType_) {
    if (known->name == face.postScriptName()) return *known;
  }
  trueType_.push_back(std::make_unique<FakeFont>(face.postScriptName(), 0.9));
  return *trueType_.back();
}

void RecordingSurface::SetFont(const Font& font, double size) {
  size_ = size;
  Record(std::string("font ") + static_cast<const FakeFont&>(font).name, {size});
}

void RecordingSurface::SetTextRendering(TextRendering rendering) {
  Record(rendering == TextRendering::kFill ? "text-rendering fill" : "text-rendering fill-then-stroke");
}

void RecordingSurface::ShowText(double x, double y, double angle, const std::string& text) {
  calls_.push_back("text " + text + " " + Number(x) + " " + Number(y) + " " + Number(angle));
  texts_.push_back({text, x, y, angle, size_});
}

TextBox BoxOf(const ShownText& shown) {
  const double r = shown.angle * kPi / 180;
  const double w = 0.5 * shown.size * static_cast<double>(shown.text.size());
  TextBox box{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const double u : {0.0, w}) {
    for (const double v : {-0.25 * shown.size, 0.75 * shown.size}) {
      const double x = shown.x + u * std::cos(r) - v * std::sin(r);
      const double y = shown.y + u * std::sin(r) + v * std::cos(r);
      box = {std::min(box.left, x), std::min(box.bottom, y), std::max(box.right, x), std::max(box.top, y)};
    }
  }
  return box;
}

std::string RecordingSurface::Describe(const Path& path) {
  std::ostringstream out;
  const float* number = path.numbers().data();
  for (const Path::Op op : path.ops()) {
    int count = 2;
    const char* name = "m";
    switch (op) {
      case Path::Op::kMoveTo:
        break;
      case Path::Op::kLineTo:
        name = "l";
        break;
      case Path::Op::kCurveTo:
        name = "c";
        count = 6;
        break;
      case Path::Op::kRectangle:
        name = "re";
        count = 4;
        break;
    }
    if (out.tellp() > 0) out << ", ";
    out << name;
    for (int i = 0; i < count; ++i) out << ' ' << Number(*number++);
  }
  return out.str();
}

}  // namespace corvane::testing
