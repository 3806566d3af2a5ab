// Building the path of a line through a row of points in the three shapes of the line and
// area charts. The series lines, the area's upper edge and the moving average all go
// through here, so that their shapes agree; painting the path is left to the caller.
#pragma once

#include <optional>
#include <vector>

#include "model/chart_settings.h"
#include "render/path.h"

namespace corvane {

struct PathPoint {
  double x = 0.0;
  double y = 0.0;
};

enum class PathShape { kStandard, kStepped, kCurved };

// Where a stepped line changes height: half-way between two items (series lines and the
// area edge, which then run flat through every point and on to the last one), or at the
// item itself (the moving average, which ends at its last point).
enum class StepRise { kHalfWay, kAtItem };

// The shape of a line or area chart style.
PathShape ShapeOfStyle(std::optional<ChartStyle> style);

// Starts a path at the first point and runs it through the others. step is the distance
// between two items: the stepped shape rises half of it before an item, and the curved
// shape puts a virtual neighbour a third of it outside each end. Nothing for no points.
void AddLinePath(Path& path, const std::vector<PathPoint>& points, double step, PathShape shape,
                 StepRise rise);

}  // namespace corvane
