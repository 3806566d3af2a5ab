#include "render/axes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/format.h"
#include "render/labels.h"
#include "render/text.h"

namespace corvane {
namespace {

void XCaption(const Canvas& canvas, ChartArea& area, int entryBottom) {
  const ChartSettings& s = canvas.settings;
  const std::string& title = s.AxesCaptionX.title;
  const double d0 = area.bottom - entryBottom;

  // The Y caption's column is kept clear at the left of the X caption's span.
  double offset = 0;
  if (!s.AxesCaptionY.title.empty()) {
    const SizedFont yFont = ApplyFont(canvas, s.AxesCaptionY.font, {&s.AxesCaptionY.title});
    offset = yFont.Ascent() + 2 * yFont.Descent();
  }

  const SizedFont font = ApplyFont(canvas, s.AxesCaptionX.font, {&title});
  const double A = font.Ascent();
  const double D = font.Descent();
  const double W = font.Width(title);
  const double y = entryBottom + D;
  double x = 0;
  switch (s.AxesCaptionX.alignment) {
    case HorizontalAlignment::kLeft:
      x = area.left + offset;
      break;
    case HorizontalAlignment::kRight:
      x = area.right - W;
      break;
    case HorizontalAlignment::kCentre:
      x = area.left + offset + ((area.right - area.left) - offset - W) / 2;
      break;
  }
  font.Show(x, y, 0, title);
  area.bottom = static_cast<int>(d0 + y + A + D);
}

void YCaption(const Canvas& canvas, ChartArea& area, int entryLeft, int entryRight) {
  const ChartSettings& s = canvas.settings;
  const std::string& title = s.AxesCaptionY.title;
  const SizedFont font = ApplyFont(canvas, s.AxesCaptionY.font, {&title});
  const double A = font.Ascent();
  const double D = font.Descent();
  const double W = font.Width(title);
  const bool right = s.AxesLabelYPosition == YLabelPosition::kRight;

  // Upright text occupies x - A to x + D.
  const double d0 = right ? entryRight - area.right : area.left - entryLeft;
  const double x = right ? entryRight - A + 2 * D : entryLeft + A;
  double y = 0;
  switch (s.AxesCaptionY.alignment) {
    case VerticalAlignment::kTop:
      y = area.top - W;
      break;
    case VerticalAlignment::kBottom:
      y = area.bottom;
      break;
    case VerticalAlignment::kMiddle:
      y = area.bottom + ((area.top - area.bottom) - W) / 2;
      break;
  }
  font.Show(x, y, 90, title);
  if (right) {
    area.right = static_cast<int>(x - d0 - 2 * D);
  } else {
    area.left = static_cast<int>(d0 + x + 2 * D);
  }
}

constexpr double kHour = 3600e3;  // in milliseconds, as time data are held

// A round scale's time label: the value to the nearest second, as h:mm:ss, or m:ss while the
// whole axis stays under an hour.
std::string RoundTimeText(const ScaleRange& scale, double value) {
  // Time data and their sums stay far inside 64 bits of seconds; the bound only keeps the
  // conversion defined.
  const double rounded = std::fmax(-9e18, std::fmin(9e18, std::round(value / 1000)));
  const auto total = static_cast<std::int64_t>(rounded);
  const char* sign = total < 0 ? "-" : "";
  const long long s = static_cast<long long>(total < 0 ? -total : total);
  if (std::fmax(std::fabs(scale.minimum), std::fabs(scale.maximum)) < kHour) {
    return Format("%s%lld:%02lld", sign, s / 60, s % 60);
  }
  return Format("%s%lld:%02lld:%02lld", sign, s / 3600, s / 60 % 60, s % 60);
}

// A round scale's number: exactly the step's decimals, and 0 rather than -0.0 for a value a
// rounding away from it.
std::string RoundNumberText(const ScaleRange& scale, double value) {
  if (std::fabs(value) < std::pow(10.0, -scale.decimals) / 2) value = 0;
  return Format("%.*f", scale.decimals, value);
}

std::string CutScaleLabel(std::string text) {
  if (text.size() > kMaxScaleLabelLength) text.resize(kMaxScaleLabelLength);
  return text;
}

// The value of scale step k of N; the last is the maximum itself.
double StepValue(const ScaleRange& scale, int k, int N) {
  return k < N ? scale.minimum + k * scale.range / N : scale.maximum;
}

void Line(Surface& surface, double x0, double y0, double x1, double y1) {
  surface.MoveTo(x0, y0);
  surface.LineTo(x1, y1);
  surface.Stroke();
}

}  // namespace

void DrawAxisCaptions(const Canvas& canvas, ChartArea& area, int entryBottom, int entryLeft, int entryRight) {
  if (!canvas.settings.AxesCaptionX.title.empty()) XCaption(canvas, area, entryBottom);
  if (!canvas.settings.AxesCaptionY.title.empty()) YCaption(canvas, area, entryLeft, entryRight);
}

std::string ScaleLabelText(const Canvas& canvas, double value) {
  const ScaleRange& scale = canvas.scale;
  if (!scale.IsRound()) return ValueText(canvas.settings, canvas.data, value);
  if (canvas.data.timeValues) return RoundTimeText(scale, value);
  return RoundNumberText(scale, value);
}

std::string ScaleRoomText(const Canvas& canvas, const SizedFont& font) {
  const ScaleRange& scale = canvas.scale;
  if (!scale.IsRound()) return PlainNumberText(canvas.settings, canvas.data, scale.maximum);
  std::string widest;
  for (int k = 0; k <= scale.divisions; ++k) {
    std::string text = CutScaleLabel(ScaleLabelText(canvas, StepValue(scale, k, scale.divisions)));
    if (font.Width(text) > font.Width(widest)) widest = std::move(text);
  }
  return widest;
}

void DrawValueAxis(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  // 1..100 by its command, or the round scale's own; never a division by 0.
  const int N = std::max(1, canvas.scale.Divisions(s.AxesDivisions));

  // The page accepts no dash or gap of length 0: a pattern with no gap is a solid line, and one
  // with a gap but no dash would put no ink on the page, so no grid line is drawn for it.
  const auto& style = s.AxesGridLineStyle;
  const bool dashed = style.dashOn > 0 && style.dashOff > 0;
  const double g = style.dashOn == 0 && style.dashOff > 0 ? 0.0 : s.AxesGridLine.width;
  if (g > 0) {
    surface.SetLineWidth(g);
    surface.SetStrokeColor(s.AxesGridLine.color);
    if (dashed) {
      const double pattern[2] = {static_cast<double>(style.dashOn), static_cast<double>(style.dashOff)};
      surface.SetDash(pattern, style.dashPhase);
    }
  }

  const bool vertical = ValueAxisIsVertical(s);
  const bool horizontal = s.Chart.style == ChartStyle::kBarHorizontal;
  if (vertical || horizontal) {
    const FontSpec& labelFont = vertical ? s.AxesLabelY : s.AxesLabelX;
    const bool labels = labelFont.size > 0;
    const SizedFont font = FontOf(canvas, labelFont);
    double A = 0, D = 0, S = 0;
    if (labels) {
      ApplyFont(canvas, labelFont);
      A = font.Ascent();
      D = font.Descent();
      S = font.SpaceWidth();
    }
    const double from = vertical ? area.bottom : area.left;
    const double extent = vertical ? area.top - area.bottom : area.right - area.left;
    for (int k = 0; k <= N; ++k) {
      const double t = from + extent * k / N;

      if (g > 0) {
        // The outer lines move half a width into the plot, and are left to the axis lines
        // where those lie over them.
        bool draw = true;
        double at = t;
        if (k == 0) {
          draw = s.AxesLine.width == 0;
          at = t + g / 2;
        } else if (k == N) {
          draw = s.AxesLine.format != AxesLineFormat::kFull;
          at = t - g / 2;
        }
        if (draw && vertical) Line(surface, area.left, at, area.right, at);
        if (draw && horizontal) Line(surface, at, area.bottom, at, area.top);
      }

      if (labels) {
        const std::string text = CutScaleLabel(ScaleLabelText(canvas, StepValue(canvas.scale, k, N)));
        const double w = font.Width(text);
        double x, y;
        if (vertical) {
          // The lowest label sits on its line, the middle ones centre on theirs, the top one
          // hangs below the top edge.
          y = k == 0 ? t : k < N ? t - (A - D) / 2 : t - A;
          x = s.AxesLabelYPosition == YLabelPosition::kRight ? area.right + D : area.left - (w + S);
        } else {
          x = k == 0 ? t : k < N ? t - w / 2 : t - w;
          y = area.bottom - (A + D);
        }
        font.Show(x, y, 0, text);
      }
    }
  }

  if (g > 0 && dashed) surface.SetDash({}, 0);
}

void DrawAxisLines(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const double w = s.AxesLine.width;
  if (!(w > 0)) return;
  // Inset so that a line wider than one point lies inside the plot.
  const double i = w > 1 ? (w - 0.5) / 2 : 0;
  Surface& surface = canvas.surface;
  surface.SetStrokeColor(s.AxesLine.color);
  surface.SetLineWidth(w);
  if (s.AxesLine.format == AxesLineFormat::kFull) {
    surface.Rectangle(area.left + i, area.bottom + i, (area.right - area.left) - 2 * i,
                      (area.top - area.bottom) - 2 * i);
  } else {
    // The vertical axis on the left and the horizontal one at the bottom, whatever the side
    // of the scale labels or the bar orientation.
    surface.MoveTo(area.left + i, area.top);
    surface.LineTo(area.left + i, area.bottom + i);
    surface.LineTo(area.right, area.bottom + i);
  }
  surface.Stroke();
}

}  // namespace corvane
