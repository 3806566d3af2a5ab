#include "cairo/cairo_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// The path, moved by (dx, dy), added to the context's current path, every number to the
// hundredth as a path of the PDF page holds it.
void AddPath(cairo_t* cairo, const Path& path, double dx, double dy) {
  const float* n = path.numbers().data();
  const auto x = [&](int i) { return Hundredths(n[i]) + dx; };
  const auto y = [&](int i) { return Hundredths(n[i]) + dy; };
  for (const Path::Op op : path.ops()) {
    switch (op) {
      case Path::Op::kMoveTo:
        cairo_move_to(cairo, x(0), y(1));
        n += 2;
        break;
      case Path::Op::kLineTo:
        cairo_line_to(cairo, x(0), y(1));
        n += 2;
        break;
      case Path::Op::kCurveTo:
        cairo_curve_to(cairo, x(0), y(1), x(2), y(3), x(4), y(5));
        n += 6;
        break;
      case Path::Op::kRectangle:
        cairo_rectangle(cairo, x(0), y(1), Hundredths(n[2]), Hundredths(n[3]));
        n += 4;
        break;
    }
  }
}

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

// Two 8-bit components of a pixel (bits 0-7 and 16-23) times a / 255, each rounded as cairo
// rounds them.
std::uint32_t MultiplyTwo(std::uint32_t pair, std::uint32_t a) {
  const std::uint32_t t = (pair & 0x00FF00FF) * a + 0x007F007F;
  return ((t + ((t >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// The pixel over which the colour is painted with coverage a of 255: the colour times a plus
// the pixel times 255 - a, as cairo blends an opaque colour into its RGB24 pixels.
std::uint32_t Blend(std::uint32_t color, std::uint32_t a, std::uint32_t pixel) {
  const std::uint32_t keep = 255 - a;
  return (MultiplyTwo(color, a) + MultiplyTwo(pixel, keep)) |
         (MultiplyTwo(color >> 8, a) + MultiplyTwo(pixel >> 8, keep)) << 8;
}

// A colour as cairo stores it in a pixel: each component's top 8 of 16 bits.
std::uint32_t PixelOf(const RgbColor& color) {
  const auto component = [](float value) {
    const double v = std::clamp(static_cast<double>(value), 0.0, 1.0);
    return static_cast<std::uint32_t>(v * (65536.0 - 1e-5)) >> 8;
  };
  return 0xFF000000u | component(color.red) << 16 | component(color.green) << 8 | component(color.blue);
}

// A stamp on pixels: the shape drawn by cairo into a coverage mask for each place within a
// pixel it can take (an eighth of a pixel apart each way), and each placing blended from its
// mask in the colour in force, as cairo blends a painted path. Markers are placed by the
// thousand, and a path through cairo costs some ten times as much as blending a small mask;
// an eighth of a pixel keeps every edge within a sixteenth of a pixel of the path's.
class RasterStamp final : public Stamp {
 public:
  RasterStamp(CairoSurface& surface, cairo_t* cairo, const Path& shape, Paint paint, double reach)
      : surface_(surface), cairo_(cairo), shape_(shape), paint_(paint), reach_(Pdf(reach)) {}

  void DrawAt(double x, double y) override {
    const double ux = Hundredths(x);
    const double uy = Hundredths(y);
    cairo_matrix_t m;
    cairo_get_matrix(cairo_, &m);
    if (shape_.empty() || !surface_.PlainRaster(paint_) || m.xy != 0 || m.yx != 0 || !Ready(m)) {
      surface_.PaintPath(shape_, paint_, ux, uy);
      return;
    }
    const long long qx = std::llround((m.xx * ux + m.x0) * kPhases);
    const long long qy = std::llround((m.yy * uy + m.y0) * kPhases);
    const long long px = ((qx % kPhases) + kPhases) % kPhases;
    const long long py = ((qy % kPhases) + kPhases) % kPhases;
    const Mask& mask = masks_[static_cast<std::size_t>(py * kPhases + px)];
    PaintMask(mask, (qx - px) / kPhases - half_, (qy - py) / kPhases - half_);
  }

 private:
  static constexpr int kPhases = 8;
  static constexpr double kLargest = 48;  // pixels from the origin: larger shapes take the path

  // The coverage of the shape drawn with its origin at (half + px / 8, half + py / 8) in a
  // square of side pixels, cut to the pixels it touches.
  struct Mask {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<unsigned char> coverage;  // width by height
  };

  // Whether masks for the matrix and line width are drawn, drawing them when not; false when
  // the shape is too large for masks to pay.
  bool Ready(const cairo_matrix_t& m) {
    const double reach = reach_ * std::max(std::abs(m.xx), std::abs(m.yy));
    if (!(reach <= kLargest)) return false;
    if (m.xx != xx_ || m.yy != yy_ || surface_.LineWidth() != width_) {
      xx_ = m.xx;
      yy_ = m.yy;
      width_ = surface_.LineWidth();
      half_ = static_cast<int>(std::ceil(reach)) + 1;
      side_ = 2 * half_ + 2;
      DrawMasks();
    }
    return true;
  }

  // Every mask in one painting, as tiles of a square of kPhases by kPhases: a painting of
  // cairo's costs more to set up than to fill such small shapes. The tiles lie apart, so each
  // is covered as the shape alone would be.
  void DrawMasks() {
    for (Mask& mask : masks_) mask = Mask{};
    const int atlas = side_ * kPhases;
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_A8, atlas, atlas);
    cairo_t* cairo = cairo_create(target);
    for (int py = 0; py < kPhases; ++py) {
      for (int px = 0; px < kPhases; ++px) {
        cairo_matrix_t m;
        cairo_matrix_init(&m, xx_, 0, 0, yy_, px * side_ + half_ + static_cast<double>(px) / kPhases,
                          py * side_ + half_ + static_cast<double>(py) / kPhases);
        cairo_set_matrix(cairo, &m);
        AddPath(cairo, shape_, 0, 0);
      }
    }
    cairo_set_line_width(cairo, width_);
    if (paint_ == Paint::kFill) {
      cairo_fill(cairo);
    } else {
      cairo_stroke(cairo);
    }
    const bool drawn = cairo_status(cairo) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cairo);
    cairo_surface_flush(target);
    const unsigned char* data = cairo_image_surface_get_data(target);
    const int stride = cairo_image_surface_get_stride(target);
    // Masks that could not be drawn stay blank: nothing is painted, as cairo paints nothing
    // once it has failed.
    if (drawn && data != nullptr && cairo_surface_status(target) == CAIRO_STATUS_SUCCESS) {
      for (int py = 0; py < kPhases; ++py) {
        for (int px = 0; px < kPhases; ++px) {
          Cut(masks_[static_cast<std::size_t>(py * kPhases + px)], data + py * side_ * stride + px * side_, stride);
        }
      }
    }
    cairo_surface_destroy(target);
  }

  // The mask from its tile, whose top left is at tile, rows stride bytes apart.
  void Cut(Mask& mask, const unsigned char* tile, int stride) const {
    const auto at = [&](int x, int y) { return tile[static_cast<std::ptrdiff_t>(y) * stride + x]; };
    int x0 = side_, x1 = -1, y0 = side_, y1 = -1;
    for (int y = 0; y < side_; ++y) {
      for (int x = 0; x < side_; ++x) {
        if (at(x, y) == 0) continue;
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
    }
    if (x1 < 0) return;
    mask.left = x0, mask.top = y0, mask.width = x1 - x0 + 1, mask.height = y1 - y0 + 1;
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) mask.coverage.push_back(at(x, y));
    }
  }

  // The mask in the colour in force over the image's pixels, the mask's tile at (left, top).
  void PaintMask(const Mask& mask, long long left, long long top) {
    if (mask.coverage.empty()) return;
    left += mask.left;
    top += mask.top;
    cairo_surface_t* target = cairo_get_target(cairo_);
    cairo_surface_flush(target);
    unsigned char* data = cairo_image_surface_get_data(target);
    if (data == nullptr) return;
    const long long width = cairo_image_surface_get_width(target);
    const long long height = cairo_image_surface_get_height(target);
    const long long stride = cairo_image_surface_get_stride(target);
    const long long x0 = std::max(left, 0LL), x1 = std::min(left + mask.width, width);
    const long long y0 = std::max(top, 0LL), y1 = std::min(top + mask.height, height);
    if (x0 >= x1 || y0 >= y1) return;
    const std::uint32_t color = PixelOf(surface_.PaintColor(paint_));
    for (long long y = y0; y < y1; ++y) {
      const unsigned char* coverage = mask.coverage.data() + (y - top) * mask.width + (x0 - left);
      auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
      for (long long x = x0; x < x1; ++x) {
        const std::uint32_t a = *coverage++;
        if (a == 255) {
          row[x] = color;
        } else if (a != 0) {
          row[x] = Blend(color, a, row[x]);
        }
      }
    }
    cairo_surface_mark_dirty_rectangle(target, static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
                                       static_cast<int>(y1 - y0));
  }

  CairoSurface& surface_;
  cairo_t* cairo_;
  Path shape_;
  Paint paint_;
  double reach_;
  double xx_ = 0, yy_ = 0, width_ = -1;
  int half_ = 0, side_ = 0;
  Mask masks_[kPhases * kPhases];
};

}  // namespace

CairoSurface::CairoSurface(cairo_t* cairo, double width, double height, CairoFonts& fonts)
    : cairo_(cairo), width_(width), height_(height), fonts_(fonts) {
  cairo_translate(cairo_, 0, height);
  cairo_scale(cairo_, 1, -1);
  // The PDF page's initial state where cairo's differs.
  cairo_set_line_width(cairo_, 1);
  cairo_surface_t* target = cairo_get_target(cairo_);
  raster_ = cairo_surface_get_type(target) == CAIRO_SURFACE_TYPE_IMAGE &&
            cairo_image_surface_get_format(target) == CAIRO_FORMAT_RGB24;
}

bool CairoSurface::PlainRaster(Paint paint) const {
  return raster_ && !state_.clipped && (paint == Paint::kFill || !state_.dashed);
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

void CairoSurface::SetLineWidth(double width) {
  state_.lineWidth = Pdf(width);
  cairo_set_line_width(cairo_, state_.lineWidth);
}

void CairoSurface::SetDash(std::span<const double> pattern, double phase) {
  std::vector<double> dash;
  double total = 0;
  for (const double length : pattern) {
    dash.push_back(static_cast<std::uint16_t>(length));
    total += dash.back();
  }
  // cairo refuses a pattern of nothing but zeros; the PDF page draws it solid.
  if (total == 0) dash.clear();
  state_.dashed = !dash.empty();
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

void CairoSurface::Clip() {
  state_.clipped = true;
  cairo_clip(cairo_);
}

void CairoSurface::PaintPath(const Path& path, Paint paint, double dx, double dy) {
  if (path.empty()) return;
  if (paint == Paint::kStroke && dx == 0 && dy == 0 && PlainRaster(paint) && path.ops().size() > 2 * kPiece) {
    StrokeInPieces(path);
    return;
  }
  AddPath(cairo_, path, dx, dy);
  if (paint == Paint::kFill) {
    Fill();
  } else {
    Stroke();
  }
}

// cairo's scan converter steps every edge of a stroke a fifteenth of a pixel at a time through
// any pixel row where one of the stroke's edges starts or ends, and a long wavy line has such an
// event in nearly every row: the cost grows with the number of edges the stroke has. A long
// line is stroked a few segments at a time instead, cut only where it runs straight on (as a
// curve always does from one Bezier to the next), so no join is lost; where two pieces meet,
// their antialiased ends blend over each other, within a quarter of a pixel's coverage.
void CairoSurface::StrokeInPieces(const Path& path) {
  UseColor(state_.stroke);
  const float* n = path.numbers().data();
  const auto v = [&](int i) { return Hundredths(n[i]); };
  // The current point and the direction the line arrives in there.
  double cx = 0, cy = 0, ax = 0, ay = 0;
  std::size_t pieces = 0;
  const auto cutIfStraightOn = [&](double tx, double ty) {
    // Leaving within about six degrees of the arrival, and forwards.
    const double cross = ax * ty - ay * tx;
    const double dot = ax * tx + ay * ty;
    if (pieces < kPiece || !(dot > 0) || cross * cross > 0.01 * dot * dot) return;
    cairo_stroke(cairo_);
    cairo_move_to(cairo_, cx, cy);
    pieces = 0;
  };
  for (const Path::Op op : path.ops()) {
    switch (op) {
      case Path::Op::kMoveTo:
        cx = v(0), cy = v(1), ax = ay = 0;
        cairo_move_to(cairo_, cx, cy);
        n += 2;
        break;
      case Path::Op::kLineTo: {
        const double x = v(0), y = v(1);
        cutIfStraightOn(x - cx, y - cy);
        cairo_line_to(cairo_, x, y);
        if (x != cx || y != cy) ax = x - cx, ay = y - cy;
        cx = x, cy = y;
        n += 2;
        break;
      }
      case Path::Op::kCurveTo: {
        const double x1 = v(0), y1 = v(1), x2 = v(2), y2 = v(3), x3 = v(4), y3 = v(5);
        // The curve leaves towards its first control point distinct from where it starts, and
        // arrives from its last distinct from where it ends.
        if (x1 != cx || y1 != cy) {
          cutIfStraightOn(x1 - cx, y1 - cy);
        } else if (x2 != cx || y2 != cy) {
          cutIfStraightOn(x2 - cx, y2 - cy);
        } else {
          cutIfStraightOn(x3 - cx, y3 - cy);
        }
        cairo_curve_to(cairo_, x1, y1, x2, y2, x3, y3);
        if (x2 != x3 || y2 != y3) {
          ax = x3 - x2, ay = y3 - y2;
        } else if (x1 != x3 || y1 != y3) {
          ax = x3 - x1, ay = y3 - y1;
        } else if (cx != x3 || cy != y3) {
          ax = x3 - cx, ay = y3 - cy;
        }
        cx = x3, cy = y3;
        n += 6;
        break;
      }
      case Path::Op::kRectangle:
        cairo_rectangle(cairo_, v(0), v(1), v(2), v(3));
        cx = v(0), cy = v(1), ax = ay = 0;
        n += 4;
        break;
    }
    ++pieces;
  }
  cairo_stroke(cairo_);
}

void CairoSurface::FillPath(const Path& path) { PaintPath(path, Paint::kFill); }

void CairoSurface::StrokePath(const Path& path) { PaintPath(path, Paint::kStroke); }

std::unique_ptr<Stamp> CairoSurface::MakeStamp(const Path& shape, Paint paint, double reach) {
  if (raster_) return std::make_unique<RasterStamp>(*this, cairo_, shape, paint, reach);
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
