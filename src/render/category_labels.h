// The labels along the category axis: where each one is written, turned by CategoryLabelAngle,
// the room they take beside the plot, and the spacing LabelSpacing writes them at. The axis
// runs under the plot (line and area charts, vertical bars) or beside it (horizontal bars).
//
// Level labels are centred under their tick, or end (Left) or start (Right) beside it, as they
// always have been. Turned by 30 to 60 degrees a label reads upwards to its end, and that end
// stands centred under the tick (beside it: ends level with it, or starts so on the Right);
// at 90 degrees a label is centred on its tick across the axis below the plot, and along the
// axis beside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/chart_settings.h"
#include "render/surface.h"

namespace corvane {

// Which edge of the plot the labels stand off.
enum class CategorySide { kBelow, kLeft, kRight };

struct CategoryAxis {
  CategorySide side = CategorySide::kBelow;
  double edge = 0;   // the plot's bottom, left or right
  double angle = 0;  // CategoryLabelAngle, degrees anticlockwise
  double A = 0;      // the label font's metrics
  double D = 0;
  double S = 0;
};

// A label as written: where it starts on its baseline and its width.
struct PlacedLabel {
  Point start;
  double w = 0;
};

// Where the label of width w whose tick is at t (an x under the plot, a y beside it) starts.
Point CategoryLabelStart(const CategoryAxis& axis, double t, double w);

// The depth under the plot that labels up to w wide take at the angle: A + 3D for level
// labels, as ever, and for turned ones their turned extent with a descender's depth to spare
// above and below, in whole points.
int CategoryRoomBelow(double angle, double A, double D, double w);

// The width across the axis of a label w wide at the angle: w level, its turned box's
// width otherwise. Beside the plot the room is this and a blank or two.
double CategoryWidthAcross(double angle, double A, double D, double w);

// The smallest k for which the labels of items 0, k, 2k ... keep apart: no two of their
// boxes meet, each box taken a blank longer along its line (half a blank at either end).
// The labels stand in item order along the axis.
int AutoLabelSpacing(const CategoryAxis& axis, const std::vector<PlacedLabel>& labels);

// Every how many items a category label is written: 1 without LabelSpacing, its number, or
// for Auto the spacing that keeps the labels apart.
int LabelEvery(const std::optional<WholeOrAuto>& spacing, const CategoryAxis& axis,
               const std::vector<PlacedLabel>& labels);

}  // namespace corvane
