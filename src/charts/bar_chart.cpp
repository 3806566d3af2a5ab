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

// Every item's label at the category axis.
std::vector<std::string> AxisLabels(const Canvas& canvas) {
  std::vector<std::string> texts;
  for (int i = 0; i < canvas.data.count; ++i) texts.push_back(AxisLabel(canvas, i));
  return texts;
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
  const BarLabelPosition position = s.BarLabel.position;

  // The category labels, when the bars write them at the axis; the other side only scale labels.
  const std::vector<std::string> axisLabels = LabelsAtAxis(position) ? AxisLabels(canvas) : std::vector<std::string>();
  const std::vector<std::string> none;

  if (s.AxesLabelX.size > 0) {
    const SizedFont font = ApplyFont(canvas, s.AxesLabelX, vertical ? axisLabels : none);
    const double A = font.Ascent();
    const double D = font.Descent();
    if (vertical && LabelsAtAxis(position)) {
      // Turned labels reach down as far as the longest of them.
      int widest = 0;
      if (s.CategoryLabelAngle != 0) {
        for (const std::string& text : axisLabels) widest = std::max(widest, static_cast<int>(font.Width(text)));
      }
      area.bottom += CategoryRoomBelow(s.CategoryLabelAngle, A, D, widest);
    }
    if (!vertical) area.bottom += static_cast<int>(A + 2 * D);
  }

  if (s.AxesLabelY.size > 0) {
    const SizedFont font = ApplyFont(canvas, s.AxesLabelY, vertical ? none : axisLabels);
    const double S = font.SpaceWidth();
    int w = 0;
    if (vertical) {
      // The maximum as a plain number, even for time data; a round scale's widest label.
      const std::string text = ScaleRoomText(canvas, font);
      w = static_cast<int>(font.Width(text) + 2 * S);
    } else if (LabelsAtAxis(position)) {
      const bool fullLabel = position == BarLabelPosition::kAxes;
      const double A = font.Ascent();
      const double D = font.Descent();
      for (const std::string& text : axisLabels) {
        const double across = CategoryWidthAcross(s.CategoryLabelAngle, A, D, font.Width(text));
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

// One bar, or one segment of a stack, in the plot: its rectangle, and where along the value
// axis it starts (its base) and ends (at its value), as distances from the plot's bottom edge
// (vertical bars) or left edge (horizontal bars). A bar that grows down or to the left ends
// before it starts.
struct Bar {
  double x, y, width, height;
  double start, end;
  double value;
  int pair;  // the BarColor pair it is filled from

  bool Grows() const { return end >= start; }
};

// An item's slot across the bars: where it begins (x for vertical bars, y for horizontal ones)
// and its thickness. It holds one bar, a group of bars side by side, or one stack.
struct Slot {
  double from;
  double thickness;
};

Bar MakeBar(const ChartArea& area, bool vertical, double across, double thickness, double start, double end,
            double value, int pair) {
  const double low = std::min(start, end);
  const double length = end >= start ? end - start : start - end;
  if (vertical) return Bar{across, area.bottom + low, thickness, length, start, end, value, pair};
  return Bar{area.left + low, across, length, thickness, start, end, value, pair};
}

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

// Where a label of width tw starts on a bar: inside it from its base (Start), ending one space
// before its end (End) or centred on it (Center). End and Centre labels never start before the
// base, so a short bar's label runs on past its end. A bar that grows down or to the left has
// the same rules mirrored. Vertical bars' labels read upwards.
double AlongBar(const ChartArea& area, bool vertical, const Bar& bar, Place at, double tw, double bi,
                const SizedFont& font) {
  const double D = font.Descent();
  const double S = font.SpaceWidth();
  // Vertical labels start 2D inside the base and stop D short of it; horizontal ones S.
  const double inset = vertical ? 2 * D : S;
  const double margin = vertical ? D : S;
  const double base = (vertical ? area.bottom : area.left) + bar.start;
  if (bar.Grows()) {
    const double len = bar.end - bar.start;
    const double least = base + margin + 2 * bi;
    switch (at) {
      case Place::kStart: return base + inset + 2 * bi;
      case Place::kEnd: return std::max(base + len - tw - S - 2 * bi, least);
      case Place::kCenter: return std::max(base + len / 2 - tw / 2, least);
      case Place::kAxis: break;
    }
    return base;
  }
  const double len = bar.start - bar.end;
  const double most = base - margin - 2 * bi - tw;
  switch (at) {
    case Place::kStart: return base - inset - 2 * bi - tw;
    case Place::kEnd: return std::min(base - len + S + 2 * bi, most);
    case Place::kCenter: return std::min(base - len / 2 - tw / 2, most);
    case Place::kAxis: break;
  }
  return base;
}

// The labels of item i: its label at the category axis, centred on its slot, and the value
// label of each of its bars. Everything but the value labels of the AxesAnd positions is written
// for every `every`-th item only (LabelSpacing).
void DrawItemLabels(const Canvas& canvas, const ChartArea& area, bool vertical, int i, const Slot& slot,
                    const std::vector<Bar>& bars, double bi, int every) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  const FontSpec& labelFont = vertical ? s.AxesLabelX : s.AxesLabelY;
  const BarLabelPosition position = s.BarLabel.position;
  const DataItem& item = data.items[i];
  const bool written = i % every == 0;

  const int passes = IsAxesAndPosition(position) ? 2 : 1;
  for (int q = 0; q < passes; ++q) {
    const std::string& labelTemplate = passes == 1 ? s.BarLabel.format : q == 0 ? kLabelOnly : kValueOnly;
    const Place at = PlaceInPass(position, q);
    if (at == Place::kAxis) {
      // Made with the item's first value, on which its room was measured.
      const std::string text = FormatLabel(s, data, item, item.values[0], labelTemplate);
      const SizedFont font = ApplyFont(canvas, labelFont, {&text});
      const double tw = static_cast<int>(font.Width(text));
      const CategoryAxis axis = BarCategoryAxis(s, area, vertical, font.Ascent(), font.Descent(), font.SpaceWidth());
      const Point start = CategoryLabelStart(axis, slot.from + slot.thickness / 2, tw);
      if (written) font.Show(start.x, start.y, axis.angle, text);
      continue;
    }
    for (const Bar& bar : bars) {
      const std::string text = FormatLabel(s, data, item, bar.value, labelTemplate);
      const SizedFont font = ApplyFont(canvas, labelFont, {&text});
      const double A = font.Ascent();
      const double D = font.Descent();
      const double tw = static_cast<int>(font.Width(text));
      const double along = AlongBar(area, vertical, bar, at, tw, bi, font);
      // Upright text centred on the bar's middle line, or level text centred across the bar.
      const double x = vertical ? bar.x + bar.width / 2 + (A - D) / 2 : along;
      const double y = vertical ? along : bar.y + bar.height / 2 - (A - D) / 2;
      if (written || q == 1) font.Show(x, y, vertical ? 90 : 0, text);
    }
  }
}

// The bars of item i in its slot, each with its colour pair: the item's own (pairs taken in turn
// by item) for the first series alone, series k's pair k for grouped and stacked bars. At least
// one pair is given for every bar chart; the guard keeps the index in the table. Grouped
// bars stand side by side, a fifth of a bar apart; stacked segments rise from 0 on the positive
// values and hang from it on the negative ones, and a value of 0 adds none.
std::vector<Bar> ItemBars(const Canvas& canvas, const ChartArea& area, bool vertical, int i, const Slot& slot,
                          double base) {
  const ChartSettings& s = canvas.settings;
  const ScaleRange& scale = canvas.scale;
  const DataItem& item = canvas.data.items[i];
  const double L = vertical ? area.top - area.bottom : area.right - area.left;
  auto at = [&](double v) { return L * (v - scale.minimum) / scale.range; };
  const int pairs = std::clamp(s.BarColor.count, 1, kMaxBarColors);
  const int n = std::min(canvas.data.SeriesToDraw(), kMaxSeries);

  std::vector<Bar> bars;
  switch (s.BarSeries) {
    case BarSeries::kFirst: {
      const double v = item.values[0];
      bars.push_back(MakeBar(area, vertical, slot.from, slot.thickness, at(base), at(v), v, i % pairs));
      break;
    }
    case BarSeries::kGrouped: {
      const double b = slot.thickness * 5 / (6 * n - 1);
      for (int k = 0; k < n; ++k) {
        const double v = item.values[k];
        bars.push_back(MakeBar(area, vertical, slot.from + k * b * 6 / 5, b, at(base), at(v), v, k % pairs));
      }
      break;
    }
    case BarSeries::kStacked: {
      double below = 0;
      double above = 0;
      for (int k = 0; k < n; ++k) {
        const double v = item.values[k];
        if (v == 0) continue;
        double& sum = v < 0 ? below : above;
        bars.push_back(MakeBar(area, vertical, slot.from, slot.thickness, at(sum), at(sum + v), v, k % pairs));
        sum += v;
      }
      break;
    }
  }
  return bars;
}

// The line at 0 that bars starting there stand on, drawn over them in the axis lines' colour and
// width (half a point when no axis lines are drawn), only when 0 lies inside the scale.
void DrawZeroLine(const Canvas& canvas, const ChartArea& area, bool vertical) {
  const ChartSettings& s = canvas.settings;
  const ScaleRange& scale = canvas.scale;
  if (!(scale.minimum < 0 && scale.maximum > 0)) return;
  Surface& surface = canvas.surface;
  surface.SetStrokeColor(s.AxesLine.color);
  surface.SetLineWidth(s.AxesLine.width > 0 ? s.AxesLine.width : 0.5);
  if (vertical) {
    const double y = area.bottom + (area.top - area.bottom) * (0 - scale.minimum) / scale.range;
    surface.MoveTo(area.left, y);
    surface.LineTo(area.right, y);
  } else {
    const double x = area.left + (area.right - area.left) * (0 - scale.minimum) / scale.range;
    surface.MoveTo(x, area.bottom);
    surface.LineTo(x, area.top);
  }
  surface.Stroke();
}

// Every how many bars the labels LabelSpacing thins are written. Auto spaces the labels at the
// category axis, each centred on its bar; labels on the bars alone are all written.
int LabelEveryBar(const Canvas& canvas, const ChartArea& area, bool vertical, const BarGeometry& g) {
  const ChartSettings& s = canvas.settings;
  const auto& spacing = s.LabelSpacing;
  if (!spacing || !spacing->automatic || !LabelsAtAxis(s.BarLabel.position)) {
    return spacing && !spacing->automatic ? spacing->value : 1;
  }
  const std::vector<std::string> texts = AxisLabels(canvas);
  const SizedFont font = FontOf(canvas, vertical ? s.AxesLabelX : s.AxesLabelY, texts);
  const CategoryAxis axis =
      BarCategoryAxis(s, area, vertical, font.Ascent(), font.Descent(), font.SpaceWidth());
  const double p = g.gap + g.t;
  const double from = (vertical ? area.left : area.bottom) + g.first + g.t / 2;
  std::vector<PlacedLabel> placed(canvas.data.count);
  for (int i = 0; i < canvas.data.count; ++i) {
    const double tw = static_cast<int>(font.Width(texts[i]));
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
  const BarGeometry g = Geometry(E, n, s.BarSpacing, s.BarSize);
  const double p = g.gap + g.t;
  const bool labels = (vertical ? s.AxesLabelX.size : s.AxesLabelY.size) > 0;
  // Bars from zero start at the scale's end nearest 0 when 0 lies outside it.
  const bool fromZero = BarsFromZero(s);
  const double base = fromZero ? std::clamp(0.0, scale.minimum, scale.maximum) : scale.minimum;

  const int every = labels ? LabelEveryBar(canvas, area, vertical, g) : 1;

  for (int i = 0; i < n; ++i) {
    const double across = g.first + i * p;
    const Slot slot{(vertical ? area.left : area.bottom) + across, g.t};
    const std::vector<Bar> bars = ItemBars(canvas, area, vertical, i, slot, base);
    for (const Bar& bar : bars) {
      const int c = bar.pair;
      surface.SetFillColor(GradientColor(s.BarColor.fromColor[c], s.BarColor.toColor[c], scale.minimum,
                                         scale.maximum, bar.value));
      surface.Rectangle(bar.x, bar.y, bar.width, bar.height);
      surface.Fill();

      if (s.BarBorder.width > 0) {
        surface.SetStrokeColor(s.BarBorder.color);
        surface.SetLineWidth(s.BarBorder.width);
        surface.Rectangle(bar.x + bi, bar.y + bi, bar.width - 2 * bi, bar.height - 2 * bi);
        surface.Stroke();
      }
    }
    if (labels) DrawItemLabels(canvas, area, vertical, i, slot, bars, bi, every);
  }
  if (fromZero) DrawZeroLine(canvas, area, vertical);
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
