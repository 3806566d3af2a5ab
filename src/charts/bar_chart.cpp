#include "charts/bar_chart.h"

#include <algorithm>
#include <string>
#include <vector>

#include "render/axes.h"
#include "render/background.h"
#include "render/category_labels.h"
#include "render/color.h"
#include "render/labels.h"
#include "render/legends.h"
#include "render/text.h"

namespace corvane {
namespace {

const std::string kLabelOnly = "TTTT";
const std::string kValueOnly = "VVVV";

bool LabelsAtAxis(BarLabelPosition position) {
  return position == BarLabelPosition::kAxes || IsAxesAndPosition(position);
}

// Item i's label at the category axis: the whole template at Axes, the item's label with
// the AxesAnd positions.
std::string AxisLabel(const Canvas& canvas, int i) {
  const ChartSettings& s = canvas.settings;
  const DataItem& item = canvas.data.items[i];
  const std::string& labelTemplate = s.BarLabel.position == BarLabelPosition::kAxes ? s.BarLabel.format : kLabelOnly;
  return FormatLabel(s, canvas.data, item, item.values[0], labelTemplate);
}

// The category axis of the bars: under the plot for vertical bars, beside it, on the side of
// AxesLabelYPosition, for horizontal ones; A, D and S are the bar label font's.
CategoryAxis BarCategoryAxis(const ChartSettings& s, const ChartArea& area, bool vertical, double A, double D,
                             double S) {
  const bool right = s.AxesLabelYPosition == YLabelPosition::kRight;
  const CategorySide side = vertical ? CategorySide::kBelow : right ? CategorySide::kRight : CategorySide::kLeft;
  const int edge = vertical ? area.bottom : right ? area.right : area.left;
  return CategoryAxis{side, static_cast<double>(edge), static_cast<double>(s.CategoryLabelAngle), A, D, S};
}

// Across the bars: each bar's thickness t, the gap between neighbours, and where the first
// bar starts from the start edge of the extent E.
struct BarGeometry {
  double t = 0;
  double gap = 0;
  double first = 0;
};

// The bars fill E exactly, the first touching the start edge and the last the far edge;
// every bar is at least one point thick, so many bars on a short extent overlap (gap < 0).
BarGeometry Geometry(int E, int n, int barSpacing, std::optional<int> barSize) {
  BarGeometry g;
  if (n == 1) {
    // There is no gap to share out: the single bar fills the extent, or a bar of BarSize, no
    // wider than the extent, stands in its middle.
    g.t = !barSize ? std::max(E, 1) : std::min(*barSize, std::max(E, 1));
    g.first = (E - g.t) / 2;
    return g;
  }
  if (!barSize) {
    g.t = static_cast<double>(std::max(E - (n - 1) * barSpacing, n)) / n;
    g.gap = (E - n * g.t) / (n - 1);
  } else {
    g.gap = static_cast<double>(std::max(E - *barSize * n, n)) / (n - 1);
    g.t = (E - (n - 1) * g.gap) / n;
    // With more bars than points that rule leaves a negative thickness: keep bars one point
    // thick and let them overlap, as bars of derived size do.
    if (g.t < 1) {
      g.t = 1;
      g.gap = static_cast<double>(E - n) / (n - 1);
    }
  }
  return g;
}

// Room under the plot for the labels along the horizontal axis, and beside it for those
// along the vertical axis; the frame writes the scale labels into it, the bars the rest.
void TakeLabelRoom(const Canvas& canvas, ChartArea& area, bool vertical) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  const BarLabelPosition position = s.BarLabel.position;

  if (s.AxesLabelX.size > 0) {
    const SizedFont font = ApplyFont(canvas, s.AxesLabelX);
    const double A = font.Ascent();
    const double D = font.Descent();
    if (vertical && LabelsAtAxis(position)) {
      // Turned labels reach down as far as the longest of them.
      int widest = 0;
      if (s.CategoryLabelAngle != 0) {
        for (int i = 0; i < data.count; ++i) {
          widest = std::max(widest, static_cast<int>(font.Width(AxisLabel(canvas, i))));
        }
      }
      area.bottom += CategoryRoomBelow(s.CategoryLabelAngle, A, D, widest);
    }
    if (!vertical) area.bottom += static_cast<int>(A + 2 * D);
  }

  if (s.AxesLabelY.size > 0) {
    const SizedFont font = ApplyFont(canvas, s.AxesLabelY);
    const double S = font.SpaceWidth();
    int w = 0;
    if (vertical) {
      // Measured on the maximum as a plain number, even for time data.
      const std::string text = PlainNumberText(s, data, canvas.scale.maximum);
      w = static_cast<int>(font.Width(text) + 2 * S);
    } else if (LabelsAtAxis(position)) {
      const bool fullLabel = position == BarLabelPosition::kAxes;
      const double A = font.Ascent();
      const double D = font.Descent();
      for (int i = 0; i < data.count; ++i) {
        const double across = CategoryWidthAcross(s.CategoryLabelAngle, A, D, font.Width(AxisLabel(canvas, i)));
        const double X = across + (fullLabel ? 2 * S : S);
        if (w < X) w = static_cast<int>(X);
      }
    }
    if (s.AxesLabelYPosition == YLabelPosition::kRight) {
      area.right -= w;
    } else {
      area.left += w;
    }
  }
}

// One bar in the plot: x and y of its corner at the value-axis minimum, its size across
// (thickness) and along the value axis (length).
struct Bar {
  double x, y, width, height;
  double len;
};

// Where a label is written: at the bar's start, end or centre, or at the category axis.
enum class Place { kStart, kEnd, kCenter, kAxis };

// Pass 0 writes at BarLabel.position itself, where Axes and the AxesAnd positions all mean the
// axis; pass 1 (only for the AxesAnd positions) writes the value at the bar's start, end or centre.
Place PlaceInPass(BarLabelPosition position, int q) {
  switch (position) {
    case BarLabelPosition::kStart: return Place::kStart;
    case BarLabelPosition::kEnd: return Place::kEnd;
    case BarLabelPosition::kCenter: return Place::kCenter;
    case BarLabelPosition::kAxes: return Place::kAxis;
    case BarLabelPosition::kAxesAndStart: return q == 1 ? Place::kStart : Place::kAxis;
    case BarLabelPosition::kAxesAndEnd: return q == 1 ? Place::kEnd : Place::kAxis;
    case BarLabelPosition::kAxesAndCenter: return q == 1 ? Place::kCenter : Place::kAxis;
  }
  return Place::kAxis;
}

void DrawBarLabels(const Canvas& canvas, const ChartArea& area, bool vertical, int i, const Bar& bar,
                   double bi, int every) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  const FontSpec& labelFont = vertical ? s.AxesLabelX : s.AxesLabelY;
  const BarLabelPosition position = s.BarLabel.position;
  const DataItem& item = data.items[i];
  const double v = item.values[0];
  const double len = bar.len;

  const int passes = IsAxesAndPosition(position) ? 2 : 1;
  for (int q = 0; q < passes; ++q) {
    const std::string& labelTemplate = passes == 1 ? s.BarLabel.format : q == 0 ? kLabelOnly : kValueOnly;
    const SizedFont font = ApplyFont(canvas, labelFont);
    const double A = font.Ascent();
    const double D = font.Descent();
    const double S = font.SpaceWidth();
    const std::string text = FormatLabel(s, data, item, v, labelTemplate);
    const double tw = static_cast<int>(font.Width(text));

    double angle = 0;
    double x = 0;
    double y = 0;
    const Place at = PlaceInPass(position, q);
    if (vertical) {
      // Labels in the bar read upwards, centred on its middle line; End and Centre labels never
      // start below minY, so a short bar's label runs on past its end.
      const double xc = bar.x + bar.width / 2;
      const double xr = xc + (A - D) / 2;
      const double minY = area.bottom + D + 2 * bi;
      angle = 90;
      x = xr;
      switch (at) {
        case Place::kStart:
          y = area.bottom + 2 * D + 2 * bi;
          break;
        case Place::kEnd:
          y = std::max(area.bottom + len - tw - S - 2 * bi, minY);
          break;
        case Place::kCenter:
          y = std::max(area.bottom + len / 2 - tw / 2, minY);
          break;
        case Place::kAxis: {
          const CategoryAxis axis = BarCategoryAxis(s, area, vertical, A, D, S);
          const Point start = CategoryLabelStart(axis, xc, tw);
          angle = axis.angle;
          x = start.x;
          y = start.y;
          break;
        }
      }
    } else {
      const double minX = area.left + S + 2 * bi;
      y = bar.y + bar.height / 2 - (A - D) / 2;
      switch (at) {
        case Place::kStart:
          x = area.left + S + 2 * bi;
          break;
        case Place::kEnd:
          x = std::max(area.left + len - tw - S - 2 * bi, minX);
          break;
        case Place::kCenter:
          x = std::max(area.left + len / 2 - tw / 2, minX);
          break;
        case Place::kAxis: {
          const CategoryAxis axis = BarCategoryAxis(s, area, vertical, A, D, S);
          const Point start = CategoryLabelStart(axis, bar.y + bar.height / 2, tw);
          angle = axis.angle;
          x = start.x;
          y = start.y;
          break;
        }
      }
    }

    // LabelSpacing thins everything but the value labels of the AxesAnd positions.
    if (i % every == 0 || q == 1) canvas.surface.ShowText(x, y, angle, text);
  }
}

// Every how many bars the labels LabelSpacing thins are written. Auto spaces the labels at the
// category axis, each centred on its bar; labels on the bars alone are all written.
int LabelEveryBar(const Canvas& canvas, const ChartArea& area, bool vertical, const BarGeometry& g) {
  const ChartSettings& s = canvas.settings;
  const auto& spacing = s.LabelSpacing;
  if (!spacing || !spacing->automatic || !LabelsAtAxis(s.BarLabel.position)) {
    return spacing && !spacing->automatic ? spacing->value : 1;
  }
  const SizedFont font = FontOf(canvas, vertical ? s.AxesLabelX : s.AxesLabelY);
  const CategoryAxis axis =
      BarCategoryAxis(s, area, vertical, font.Ascent(), font.Descent(), font.SpaceWidth());
  const double p = g.gap + g.t;
  const double from = (vertical ? area.left : area.bottom) + g.first + g.t / 2;
  std::vector<PlacedLabel> placed(canvas.data.count);
  for (int i = 0; i < canvas.data.count; ++i) {
    const double tw = static_cast<int>(font.Width(AxisLabel(canvas, i)));
    placed[i] = PlacedLabel{CategoryLabelStart(axis, from + i * p, tw), tw};
  }
  return AutoLabelSpacing(axis, placed);
}

void DrawBars(const Canvas& canvas, const ChartArea& area, bool vertical) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  const ScaleRange& scale = canvas.scale;
  Surface& surface = canvas.surface;
  const int n = data.count;
  if (n < 1) return;

  // Not the inset of the axis lines: a border stroke reaches half a point past the fill.
  const double bi = s.BarBorder.width > 1 ? (s.BarBorder.width - 1) / 2 : 0;
  const int E = vertical ? area.right - area.left : area.top - area.bottom;
  const double L = vertical ? area.top - area.bottom : area.right - area.left;
  const BarGeometry g = Geometry(E, n, s.BarSpacing, s.BarSize);
  const double p = g.gap + g.t;
  const bool labels = (vertical ? s.AxesLabelX.size : s.AxesLabelY.size) > 0;
  // At least one pair is given for every bar chart; the guard keeps the index in the table.
  const int pairs = std::clamp(s.BarColor.count, 1, kMaxBarColors);

  const int every = labels ? LabelEveryBar(canvas, area, vertical, g) : 1;

  int c = 0;
  for (int i = 0; i < n; ++i) {
    const double v = data.items[i].values[0];
    const double len = L * (v - scale.minimum) / scale.range;
    const double across = g.first + i * p;
    const Bar bar = vertical ? Bar{area.left + across, static_cast<double>(area.bottom), g.t, len, len}
                             : Bar{static_cast<double>(area.left), area.bottom + across, len, g.t, len};

    surface.SetFillColor(GradientColor(s.BarColor.fromColor[c], s.BarColor.toColor[c], scale.minimum,
                                       scale.maximum, v));
    if (++c == pairs) c = 0;
    surface.Rectangle(bar.x, bar.y, bar.width, bar.height);
    surface.Fill();

    if (s.BarBorder.width > 0) {
      surface.SetStrokeColor(s.BarBorder.color);
      surface.SetLineWidth(s.BarBorder.width);
      surface.Rectangle(bar.x + bi, bar.y + bi, bar.width - 2 * bi, bar.height - 2 * bi);
      surface.Stroke();
    }

    if (labels) DrawBarLabels(canvas, area, vertical, i, bar, bi, every);
  }
}

}  // namespace

ChartOutcome DrawBarChart(const Canvas& canvas, ChartArea& area) {
  const bool vertical = canvas.settings.Chart.style != ChartStyle::kBarHorizontal;
  const int entryBottom = area.bottom;
  const int entryLeft = area.left;
  const int entryRight = area.right;

  DrawSeriesLegend(canvas, area);
  TakeLabelRoom(canvas, area, vertical);
  DrawAxisCaptions(canvas, area, entryBottom, entryLeft, entryRight);
  if (!HasRoom(area)) return NoRoom(canvas, area);
  DrawPlotBackground(canvas, area);
  DrawValueAxis(canvas, area);
  DrawBars(canvas, area, vertical);
  DrawAxisLines(canvas, area);
  return ChartOutcome::kDrawn;
}

}  // namespace corvane
