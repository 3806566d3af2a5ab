#include "charts/series_path.h"

#include <cmath>
#include <cstddef>

#include "model/chart_settings.h"

namespace corvane {
namespace {

// The two control points of the cubic Bézier from P1 to P2, given their neighbours P0 and P3:
// the curve leaves P1 parallel to P0-P2 and reaches P2 parallel to P1-P3, with handles in
// proportion to the lengths of the neighbouring segments.
void CurveBetween(Path& path, PathPoint P0, PathPoint P1, PathPoint P2, PathPoint P3) {
  const PathPoint M1{(P0.x + P1.x) / 2, (P0.y + P1.y) / 2};
  const PathPoint M2{(P1.x + P2.x) / 2, (P1.y + P2.y) / 2};
  const PathPoint M3{(P2.x + P3.x) / 2, (P2.y + P3.y) / 2};
  const double L1 = std::hypot(P1.x - P0.x, P1.y - P0.y);
  const double L2 = std::hypot(P2.x - P1.x, P2.y - P1.y);
  const double L3 = std::hypot(P3.x - P2.x, P3.y - P2.y);
  // Neighbouring items lie at least a step apart, so the sums are above 0; the guard keeps
  // coinciding points (which no chart produces) from giving undefined handles.
  const double t1 = L1 + L2 > 0 ? L1 / (L1 + L2) : 0.5;
  const double t2 = L2 + L3 > 0 ? L2 / (L2 + L3) : 0.5;
  const PathPoint B1{M1.x + (M2.x - M1.x) * t1, M1.y + (M2.y - M1.y) * t1};
  const PathPoint B2{M2.x + (M3.x - M2.x) * t2, M2.y + (M3.y - M2.y) * t2};
  const PathPoint c1{P1.x + (M2.x - B1.x), P1.y + (M2.y - B1.y)};
  const PathPoint c2{P2.x + (M2.x - B2.x), P2.y + (M2.y - B2.y)};
  path.CurveTo(c1.x, c1.y, c2.x, c2.y, P2.x, P2.y);
}

}  // namespace

PathShape ShapeOfStyle(std::optional<ChartStyle> style) {
  if (style == ChartStyle::kLineStepped || style == ChartStyle::kAreaStepped) return PathShape::kStepped;
  if (style == ChartStyle::kLineCurved || style == ChartStyle::kAreaCurved) return PathShape::kCurved;
  return PathShape::kStandard;
}

void AddLinePath(Path& path, const std::vector<PathPoint>& points, double step, PathShape shape,
                 StepRise rise) {
  if (points.empty()) return;
  const std::size_t n = points.size();
  // At most two lines or one curve a point, and a flat run at the end.
  path.reserve(path.ops().size() + 2 * n + 1, path.numbers().size() + 6 * n + 2);
  path.MoveTo(points[0].x, points[0].y);
  switch (shape) {
    case PathShape::kStandard:
      for (std::size_t k = 1; k < n; ++k) path.LineTo(points[k].x, points[k].y);
      break;
    case PathShape::kStepped: {
      const double before = rise == StepRise::kHalfWay ? step / 2 : 0.0;
      for (std::size_t k = 1; k < n; ++k) {
        path.LineTo(points[k].x - before, points[k - 1].y);
        path.LineTo(points[k].x - before, points[k].y);
      }
      // Rising half-way leaves the last point's flat half still to run.
      if (rise == StepRise::kHalfWay && n > 1) path.LineTo(points[n - 1].x, points[n - 1].y);
      break;
    }
    case PathShape::kCurved:
      for (std::size_t k = 1; k < n; ++k) {
        // Beyond each end a virtual neighbour at the end's height, a third of a step outside.
        const PathPoint P0 = k >= 2 ? points[k - 2] : PathPoint{points[0].x - step / 3, points[0].y};
        const PathPoint P3 =
            k + 1 < n ? points[k + 1] : PathPoint{points[n - 1].x + step / 3, points[n - 1].y};
        CurveBetween(path, P0, points[k - 1], points[k], P3);
      }
      break;
  }
}

}  // namespace corvane
