#include "render/category_labels.h"

#include <algorithm>
#include <cmath>

namespace corvane {
namespace {

// The cosine and sine of the angle, exact at 90 degrees, where cos(pi / 2) would leave a
// trace of 6e-17 of a label's width in the layout.
struct Turn {
  double c = 1;
  double s = 0;
};

Turn TurnOf(double angle) {
  if (angle == 90) return Turn{0, 1};
  const double r = angle * 3.141592653589793 / 180;
  return Turn{std::cos(r), std::sin(r)};
}

// A label's box in its own frame (u along its baseline, v across it), and the span it covers
// along the axis on the page.
struct LabelBox {
  double u = 0, w = 0, v = 0;
  double low = 0, high = 0;
};

LabelBox BoxOf(const CategoryAxis& axis, const Turn& turn, const PlacedLabel& label) {
  const Point p = label.start;
  LabelBox box;
  box.u = p.x * turn.c + p.y * turn.s;
  box.v = -p.x * turn.s + p.y * turn.c;
  box.w = label.w;
  box.low = INFINITY;
  box.high = -INFINITY;
  for (const double u : {0.0, label.w}) {
    for (const double v : {-axis.D, axis.A}) {
      const double x = p.x + u * turn.c - v * turn.s;
      const double y = p.y + u * turn.s + v * turn.c;
      const double along = axis.side == CategorySide::kBelow ? x : y;
      box.low = std::min(box.low, along);
      box.high = std::max(box.high, along);
    }
  }
  return box;
}

// Whether the two boxes, each a blank longer along its line, meet.
bool Meet(const CategoryAxis& axis, const LabelBox& a, const LabelBox& b) {
  return a.u < b.u + b.w + axis.S && b.u < a.u + a.w + axis.S && a.v - axis.D < b.v + axis.A &&
         b.v - axis.D < a.v + axis.A;
}

// Whether the labels of items 0, k, 2k ... keep apart. Each written label is held against
// the written ones before it, latest first, until none of those reaches its span along the
// axis (within a blank).
bool KeepApart(const CategoryAxis& axis, const std::vector<LabelBox>& boxes, int k) {
  std::vector<int> written;
  std::vector<double> reach;  // the furthest any written label up to this one reaches along the axis
  for (int j = 0; j < static_cast<int>(boxes.size()); j += k) {
    for (int i = static_cast<int>(written.size()) - 1; i >= 0; --i) {
      if (reach[i] + axis.S <= boxes[j].low) break;
      if (Meet(axis, boxes[written[i]], boxes[j])) return false;
    }
    reach.push_back(std::max(reach.empty() ? -INFINITY : reach.back(), boxes[j].high));
    written.push_back(j);
  }
  return true;
}

}  // namespace

Point CategoryLabelStart(const CategoryAxis& axis, double t, double w) {
  const double A = axis.A;
  const double D = axis.D;
  const double S = axis.S;
  const double edge = axis.edge;
  // Level labels are centred under the tick, or end or start a blank or two beside the plot.
  if (axis.angle == 0) {
    switch (axis.side) {
      case CategorySide::kBelow: return Point{t - w / 2, edge - A - D};
      case CategorySide::kLeft: return Point{edge - (S + w), t - (A - D) / 2};
      case CategorySide::kRight: return Point{edge + 2 * S, t - (A - D) / 2};
    }
  }
  const Turn turn = TurnOf(axis.angle);
  const double c = turn.c;
  const double s = turn.s;
  switch (axis.side) {
    case CategorySide::kBelow: {
      // The end's middle under the tick, the box's top corner a descender's depth under the plot.
      const Point end{t + (A - D) / 2 * s, edge - D - A * c};
      return Point{end.x - w * c, end.y - w * s};
    }
    case CategorySide::kLeft: {
      if (axis.angle == 90) return Point{edge - S - D, t - w / 2};
      // The end's middle level with the tick, the box's right corner a blank off the plot.
      const Point end{edge - S - D * s, t - (A - D) / 2 * c};
      return Point{end.x - w * c, end.y - w * s};
    }
    case CategorySide::kRight:
      if (axis.angle == 90) return Point{edge + 2 * S + A, t - w / 2};
      // The start's middle level with the tick, the box's left corner two blanks off the plot.
      return Point{edge + 2 * S + A * s, t - (A - D) / 2 * c};
  }
  return Point{t, edge};
}

int CategoryRoomBelow(double angle, double A, double D, double w) {
  if (angle == 0) return static_cast<int>(A + 3 * D);
  const Turn turn = TurnOf(angle);
  return static_cast<int>(2 * D + (A + D) * turn.c + w * turn.s);
}

double CategoryWidthAcross(double angle, double A, double D, double w) {
  if (angle == 0) return w;
  const Turn turn = TurnOf(angle);
  return w * turn.c + (A + D) * turn.s;
}

int AutoLabelSpacing(const CategoryAxis& axis, const std::vector<PlacedLabel>& labels) {
  const Turn turn = TurnOf(axis.angle);
  std::vector<LabelBox> boxes;
  boxes.reserve(labels.size());
  for (const PlacedLabel& label : labels) boxes.push_back(BoxOf(axis, turn, label));
  const int n = static_cast<int>(labels.size());
  // With k = n only the first label is written, which keeps apart from nothing.
  for (int k = 1; k < n; ++k) {
    if (KeepApart(axis, boxes, k)) return k;
  }
  return std::max(n, 1);
}

int LabelEvery(const std::optional<WholeOrAuto>& spacing, const CategoryAxis& axis,
               const std::vector<PlacedLabel>& labels) {
  if (!spacing) return 1;
  if (!spacing->automatic) return std::max(spacing->value, 1);
  return AutoLabelSpacing(axis, labels);
}

}  // namespace corvane
