// The skeleton the line and area charts share: the frame laid out and drawn before the data
// (series legend, room for the category and scale labels, axis captions, plot background,
// value axis), the reference lines around the data, then the category labels and the axis
// lines. A plotter supplies only the drawing of its own data.
#pragma once

#include <functional>
#include <vector>

#include "charts/chart_plotter.h"
#include "charts/series_path.h"
#include "render/canvas.h"

namespace corvane {

// The plot area once the frame is laid out, the distance between two items along it, and
// the mappings of item index and value to page coordinates.
struct Plot {
  ChartArea area;
  double step = 1.0;
  double minimum = 0.0;
  double range = 1.0;  // the scale's, never 0

  double X(int k) const { return area.left + k * step; }
  double Y(double v) const { return area.bottom + (area.top - area.bottom) * (v - minimum) / range; }
};

// The running sums of the line of best fit, collected over every data point a plotter drew:
// sumK of the item indexes and sumV of the values.
struct FitSums {
  double sumK = 0.0;
  double sumV = 0.0;
};

// The points of one series across the plot, each also added to the sums of the best fit.
std::vector<PathPoint> SeriesPoints(const Canvas& canvas, const Plot& plot, int series, FitSums& sums);

// The plotter's own drawing, made over the average and target lines and under the moving
// average; it returns the sums of the points it drew.
using DataDrawing = std::function<FitSums(const Plot&)>;

// Draws the whole chart around drawData and leaves the area narrowed to the plot area; with
// no room left for it the chart is refused. seriesMeasured is the number of series the
// average line and the line of best fit are taken over: every series of a line chart, only
// the first (the drawn one) of an area chart.
ChartOutcome DrawPlotAroundData(const Canvas& canvas, ChartArea& area, int seriesMeasured,
                                const DataDrawing& drawData);

}  // namespace corvane
