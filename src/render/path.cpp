#include "render/path.h"

namespace corvane {
namespace {

// libharu's circle handle length (a float constant there; not the exact 0.5523).
constexpr float kKappa = 0.552F;

}  // namespace

void Path::Add(Op op, std::initializer_list<float> numbers) {
  ops_.push_back(op);
  numbers_.insert(numbers_.end(), numbers);
}

void Path::AddPoint(Op op, double x, double y) {
  ops_.push_back(op);
  numbers_.push_back(static_cast<float>(x));
  numbers_.push_back(static_cast<float>(y));
}

void Path::MoveTo(double x, double y) { AddPoint(Op::kMoveTo, x, y); }

void Path::LineTo(double x, double y) { AddPoint(Op::kLineTo, x, y); }

void Path::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  Add(Op::kCurveTo, {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                     static_cast<float>(y2), static_cast<float>(x3), static_cast<float>(y3)});
}

void Path::Rectangle(double x, double y, double width, double height) {
  Add(Op::kRectangle,
      {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)});
}

void Path::Circle(double xd, double yd, double radius) {
  const auto x = static_cast<float>(xd);
  const auto y = static_cast<float>(yd);
  const auto r = static_cast<float>(radius);
  const float k = r * kKappa;
  Add(Op::kMoveTo, {x - r, y});
  Add(Op::kCurveTo, {x - r, y + k, x - k, y + r, x, y + r});
  Add(Op::kCurveTo, {x + k, y + r, x + r, y + k, x + r, y});
  Add(Op::kCurveTo, {x + r, y - k, x + k, y - r, x, y - r});
  Add(Op::kCurveTo, {x - k, y - r, x - r, y - k, x - r, y});
}

void Path::clear() {
  ops_.clear();
  numbers_.clear();
}

void Path::reserve(std::size_t ops, std::size_t numbers) {
  ops_.reserve(ops);
  numbers_.reserve(numbers);
}

}  // namespace corvane
