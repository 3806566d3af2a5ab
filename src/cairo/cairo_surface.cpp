#include "cairo/cairo_surface.h"

#include <cmath>
#include <cstdint>

namespace corvane {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kLimit = 32767;

// A number as the PDF page receives it: in single precision, within the +-32767 that libharu
// clamps to, and a NaN as 0 rather than the garbage that would put cairo out of order.
double Pdf(double value) {
  auto v = static_cast<float>(value);
  if (std::isnan(v)) return 0;
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return v;
}

// A number of a whole path, which the PDF page holds to the nearest hundredth.
double Hundredths(double value) { return static_cast<double>(std::llround(Pdf(value) * 100)) / 100; }

// A stamp is its path, painted again at each point.
class CairoStamp final : public Stamp {
 public:
  CairoStamp(CairoSurface& surface, const Path& shape, Paint paint)
      : surface_(surface), shape_(shape), paint_(paint) {}

  void DrawAt(double x, double y) override { surface_.PaintPath(shape_, paint_, Hundredths(x), Hundredths(y)); }

 private:
  CairoSurface& surface_;
  Path shape_;
  Paint paint_;
};

}  // namespace

CairoSurface::CairoSurface(cairo_t* cairo, double width, double height, CairoFonts& fonts)
    : cairo_(cairo), width_(width), height_(height), fonts_(fonts) {
  cairo_translate(cairo_, 0, height);
  cairo_scale(cairo_, 1, -1);
  // The PDF page's initial state where cairo's differs.
  cairo_set_line_width(cairo_, 1);
}

void CairoSurface::Save() {
  saved_.push_back(state_);
  cairo_save(cairo_);
}

void CairoSurface::Restore() {
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
  cairo_restore(cairo_);
}

void CairoSurface::SetLineWidth(double width) { cairo_set_line_width(cairo_, Pdf(width)); }

void CairoSurface::SetDash(std::span<const double> pattern, double phase) {
  std::vector<double> dash;
  double total = 0;
  for (const double length : pattern) {
    dash.push_back(static_cast<std::uint16_t>(length));
    total += dash.back();
  }
  // cairo refuses a pattern of nothing but zeros; the PDF page draws it solid.
  if (total == 0) dash.clear();
  cairo_set_dash(cairo_, dash.data(), static_cast<int>(dash.size()), static_cast<unsigned>(phase));
}

void CairoSurface::UseColor(const RgbColor& color) {
  cairo_set_source_rgb(cairo_, color.red, color.green, color.blue);
}

void CairoSurface::MoveTo(double x, double y) { cairo_move_to(cairo_, Pdf(x), Pdf(y)); }

void CairoSurface::LineTo(double x, double y) { cairo_line_to(cairo_, Pdf(x), Pdf(y)); }

void CairoSurface::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  cairo_curve_to(cairo_, Pdf(x1), Pdf(y1), Pdf(x2), Pdf(y2), Pdf(x3), Pdf(y3));
}

void CairoSurface::Rectangle(double x, double y, double width, double height) {
  cairo_rectangle(cairo_, Pdf(x), Pdf(y), Pdf(width), Pdf(height));
}

// Clockwise from twelve o'clock is, in cairo's angles with y upwards, backwards from 90 degrees.
void CairoSurface::Arc(double x, double y, double radius, double from, double to) {
  const double start = (90 - Pdf(from)) * kPi / 180;
  const double end = (90 - Pdf(to)) * kPi / 180;
  cairo_arc_negative(cairo_, Pdf(x), Pdf(y), Pdf(radius), start, end);
}

void CairoSurface::ClosePath() { cairo_close_path(cairo_); }

Point CairoSurface::CurrentPoint() {
  Point p;
  cairo_get_current_point(cairo_, &p.x, &p.y);
  return p;
}

void CairoSurface::Fill() {
  UseColor(state_.fill);
  cairo_fill(cairo_);
}

void CairoSurface::Stroke() {
  UseColor(state_.stroke);
  cairo_stroke(cairo_);
}

void CairoSurface::FillAndStroke() {
  UseColor(state_.fill);
  cairo_fill_preserve(cairo_);
  UseColor(state_.stroke);
  cairo_stroke(cairo_);
}

void CairoSurface::Clip() { cairo_clip(cairo_); }

void CairoSurface::PaintPath(const Path& path, Paint paint, double dx, double dy) {
  if (path.empty()) return;
  const float* n = path.numbers().data();
  const auto x = [&](int i) { return Hundredths(n[i]) + dx; };
  const auto y = [&](int i) { return Hundredths(n[i]) + dy; };
  for (const Path::Op op : path.ops()) {
    switch (op) {
      case Path::Op::kMoveTo:
        cairo_move_to(cairo_, x(0), y(1));
        n += 2;
        break;
      case Path::Op::kLineTo:
        cairo_line_to(cairo_, x(0), y(1));
        n += 2;
        break;
      case Path::Op::kCurveTo:
        cairo_curve_to(cairo_, x(0), y(1), x(2), y(3), x(4), y(5));
        n += 6;
        break;
      case Path::Op::kRectangle:
        cairo_rectangle(cairo_, x(0), y(1), Hundredths(n[2]), Hundredths(n[3]));
        n += 4;
        break;
    }
  }
  if (paint == Paint::kFill) {
    Fill();
  } else {
    Stroke();
  }
}

void CairoSurface::FillPath(const Path& path) { PaintPath(path, Paint::kFill); }

void CairoSurface::StrokePath(const Path& path) { PaintPath(path, Paint::kStroke); }

std::unique_ptr<Stamp> CairoSurface::MakeStamp(const Path& shape, Paint paint, double /*reach*/) {
  return std::make_unique<CairoStamp>(*this, shape, paint);
}

void CairoSurface::SetFont(const Font& font, double size) {
  state_.font = &static_cast<const CairoFont&>(font);
  state_.size = Pdf(size);
}

// As the PDF places text: the text matrix of the angle's cosine and sine in single precision
// at the point, and each glyph where the font's metrics put it.
void CairoSurface::ShowText(double x, double y, double angle, const std::string& text) {
  const CairoFont* font = state_.font;
  if (font == nullptr || font->face() == nullptr || !(state_.size > 0)) return;
  font->Glyphs(text, state_.size, placed_);
  if (placed_.empty()) return;
  glyphs_.resize(placed_.size());
  for (std::size_t i = 0; i < placed_.size(); ++i) glyphs_[i] = {placed_[i].index, placed_[i].x, 0};

  cairo_save(cairo_);
  const double r = angle * kPi / 180;
  const double c = static_cast<float>(std::cos(r));
  const double s = static_cast<float>(std::sin(r));
  cairo_matrix_t placement;
  cairo_matrix_init(&placement, c, s, -s, c, Pdf(x), Pdf(y));
  cairo_transform(cairo_, &placement);
  cairo_set_font_face(cairo_, font->face());
  // The glyphs stand upright in a space whose y runs upwards.
  cairo_matrix_t size;
  cairo_matrix_init(&size, state_.size, 0, 0, -state_.size, 0, 0);
  cairo_set_font_matrix(cairo_, &size);
  UseColor(state_.fill);
  const int count = static_cast<int>(glyphs_.size());
  if (state_.rendering == TextRendering::kFill) {
    cairo_show_glyphs(cairo_, glyphs_.data(), count);
  } else {
    cairo_glyph_path(cairo_, glyphs_.data(), count);
    cairo_fill_preserve(cairo_);
    UseColor(state_.stroke);
    cairo_stroke(cairo_);
  }
  cairo_restore(cairo_);
}

}  // namespace corvane
