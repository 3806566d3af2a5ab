// A path built in memory and painted whole, for the long paths of a plot (series lines, the
// area, the reference lines) and for the shapes of markers. Charts of many points build tens
// of thousands of segments; a surface takes each path in one call and may write it in bulk.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace corvane {

class Path {
 public:
  enum class Op : unsigned char {
    kMoveTo,     // x y
    kLineTo,     // x y
    kCurveTo,    // x1 y1 x2 y2 x3 y3
    kRectangle,  // x y width height
  };

  // Coordinates are computed in double precision and kept, as every surface takes them, in
  // single precision.
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
  void Rectangle(double x, double y, double width, double height);
  // Four Bézier quarters from the leftmost point over the top, with handles 0.552 of the radius
  // long, computed in single precision: the circle libharu draws.
  void Circle(double x, double y, double radius);

  bool empty() const { return ops_.empty(); }
  void clear();
  // Room for that many operations and numbers, for a path whose length is known.
  void reserve(std::size_t ops, std::size_t numbers);

  // The operations in order, and their numbers one after another (2, 2, 6 and 4 of them).
  const std::vector<Op>& ops() const { return ops_; }
  const std::vector<float>& numbers() const { return numbers_; }

 private:
  void Add(Op op, std::initializer_list<float> numbers);
  void AddPoint(Op op, double x, double y);

  std::vector<Op> ops_;
  std::vector<float> numbers_;
};

}  // namespace corvane
