#include "charts/plot_frame.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "charts/reference_lines.h"
#include "render/axes.h"
#include "render/background.h"
#include "render/category_labels.h"
#include "render/labels.h"
#include "render/legends.h"
#include "render/text.h"

namespace corvane {
namespace {

// Item spacing: the first item on the left edge, the last on the right; with more items than
// points of width each item still gets a little over a point, and the line runs past the edge.
double ItemStep(const ChartArea& plot, int n) {
  double W = plot.right - plot.left;
  if (n > W) W = n;
  return n > 1 ? W / (n - 1) : W;
}

// Each item's label, as the category labels show it.
std::vector<std::string> CategoryLabels(const Canvas& canvas) {
  std::vector<std::string> texts;
  for (int k = 0; k < canvas.data.count; ++k) {
    const DataItem& item = canvas.data.items[k];
    texts.push_back(FormatLabel(canvas.settings, canvas.data, item, item.values[0], "TTTT"));
  }
  return texts;
}

// Takes the legend's and the labels' room, writes the captions and draws the background and
// the value axis; the area is the plot area afterwards. None when no room is left for it.
std::optional<Plot> DrawPlotFrame(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const int entryBottom = area.bottom;
  const int entryLeft = area.left;
  const int entryRight = area.right;

  DrawSeriesLegend(canvas, area);

  if (s.AxesLabelX.size > 0) {
    const std::vector<std::string> texts = CategoryLabels(canvas);
    const SizedFont font = ApplyFont(canvas, s.AxesLabelX, texts);
    const double A = font.Ascent();
    const double D = font.Descent();
    // Turned labels reach down as far as the longest of them.
    int widest = 0;
    if (s.CategoryLabelAngle != 0) {
      for (const std::string& text : texts) widest = std::max(widest, static_cast<int>(font.Width(text)));
    }
    area.bottom += CategoryRoomBelow(s.CategoryLabelAngle, A, D, widest);
  }

  if (s.AxesLabelY.size > 0) {
    const SizedFont font = ApplyFont(canvas, s.AxesLabelY);
    // The maximum as a plain number, also for time values; a round scale's widest label.
    const std::string text = ScaleRoomText(canvas, font);
    const double S = font.SpaceWidth();
    const int room = static_cast<int>(2 * S + font.Width(text));
    if (s.AxesLabelYPosition == YLabelPosition::kRight) {
      area.right -= room;
    } else {
      area.left += room;
    }
  }

  DrawAxisCaptions(canvas, area, entryBottom, entryLeft, entryRight);
  if (!HasRoom(area)) return std::nullopt;
  DrawPlotBackground(canvas, area);
  DrawValueAxis(canvas, area);
  return Plot{area, ItemStep(area, canvas.data.count), canvas.scale.minimum, canvas.scale.range};
}

// Each item's label under its point, turned by CategoryLabelAngle and thinned to every
// LabelSpacing-th item.
void DrawCategoryLabels(const Canvas& canvas, const Plot& plot) {
  const ChartSettings& s = canvas.settings;
  if (s.AxesLabelX.size <= 0) return;
  const int n = canvas.data.count;
  const std::vector<std::string> texts = CategoryLabels(canvas);
  const SizedFont font = ApplyFont(canvas, s.AxesLabelX, texts);
  const CategoryAxis axis{CategorySide::kBelow,   static_cast<double>(plot.area.bottom),
                          static_cast<double>(s.CategoryLabelAngle), font.Ascent(), font.Descent(),
                          font.SpaceWidth()};
  std::vector<PlacedLabel> placed(n);
  for (int k = 0; k < n; ++k) {
    // Widths are whole points here, as the labels have always been centred.
    const int w = static_cast<int>(font.Width(texts[k]));
    placed[k] = PlacedLabel{CategoryLabelStart(axis, plot.X(k), w), static_cast<double>(w)};
  }
  const int every = LabelEvery(s.LabelSpacing, axis, placed);
  for (int k = 0; k < n; k += every) {
    font.Show(placed[k].start.x, placed[k].start.y, axis.angle, texts[k]);
  }
}

}  // namespace

std::vector<PathPoint> SeriesPoints(const Canvas& canvas, const Plot& plot, int series, FitSums& sums) {
  std::vector<PathPoint> points;
  for (int k = 0; k < canvas.data.count; ++k) {
    const double v = canvas.data.items[k].values[series];
    points.push_back({plot.X(k), plot.Y(v)});
    sums.sumK += k;
    sums.sumV += v;
  }
  return points;
}

ChartOutcome DrawPlotAroundData(const Canvas& canvas, ChartArea& area, int seriesMeasured,
                                const DataDrawing& drawData) {
  const std::optional<Plot> frame = DrawPlotFrame(canvas, area);
  if (!frame) return NoRoom(canvas, area);
  const Plot& plot = *frame;
  DrawAverageLine(canvas, plot, seriesMeasured);
  DrawTargetLine(canvas, plot);
  const FitSums sums = drawData(plot);
  DrawMovingAverage(canvas, plot);
  DrawBestFitLine(canvas, plot, sums, seriesMeasured);
  DrawCategoryLabels(canvas, plot);
  DrawAxisLines(canvas, area);
  return ChartOutcome::kDrawn;
}

}  // namespace corvane
