#include "render/measuring_surface.h"

#include <algorithm>

namespace corvane {
namespace {

class NoStamp final : public Stamp {
 public:
  void DrawAt(double, double) override {}
};

double Radians(double degrees) { return degrees * 3.141592653589793 / 180; }

}  // namespace

// Where the arc ends is what a pie joins its next slice to.
void MeasuringSurface::Arc(double x, double y, double radius, double, double to) {
  current_ = Point{x + radius * std::sin(Radians(to)), y + radius * std::cos(Radians(to))};
}

std::unique_ptr<Stamp> MeasuringSurface::MakeStamp(const Path&, Paint, double) {
  return std::make_unique<NoStamp>();
}

void MeasuringSurface::ShowText(double x, double y, double angle, const std::string& text) {
  if (font_ == nullptr || text.empty()) return;
  const double w = font_->Width(text, size_);
  const double A = font_->Ascent(size_);
  const double D = font_->Descent(size_);
  const double c = std::cos(Radians(angle));
  const double s = std::sin(Radians(angle));
  for (const double u : {0.0, w}) {
    for (const double v : {-D, A}) {
      const double px = x + u * c - v * s;
      const double py = y + u * s + v * c;
      reach_.left = std::min(reach_.left, px);
      reach_.right = std::max(reach_.right, px);
      reach_.bottom = std::min(reach_.bottom, py);
      reach_.top = std::max(reach_.top, py);
    }
  }
}

}  // namespace corvane
