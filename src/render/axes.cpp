#include "render/axes.h"

#include <algorithm>
#include <string>

#include "render/color.h"
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
    ApplyFont(canvas, s.AxesCaptionY.font);
    offset = Ascent(canvas.page) + 2 * Descent(canvas.page);
  }

  ApplyFont(canvas, s.AxesCaptionX.font);
  const double A = Ascent(canvas.page);
  const double D = Descent(canvas.page);
  const double W = TextWidth(canvas.page, title);
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
  WriteText(canvas.page, 0, x, y, title);
  area.bottom = static_cast<int>(d0 + y + A + D);
}

void YCaption(const Canvas& canvas, ChartArea& area, int entryLeft, int entryRight) {
  const ChartSettings& s = canvas.settings;
  const std::string& title = s.AxesCaptionY.title;
  ApplyFont(canvas, s.AxesCaptionY.font);
  const double A = Ascent(canvas.page);
  const double D = Descent(canvas.page);
  const double W = TextWidth(canvas.page, title);
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
  WriteText(canvas.page, 90, x, y, title);
  if (right) {
    area.right = static_cast<int>(x - d0 - 2 * D);
  } else {
    area.left = static_cast<int>(d0 + x + 2 * D);
  }
}

void Line(HPDF_Page page, double x0, double y0, double x1, double y1) {
  HPDF_Page_MoveTo(page, static_cast<float>(x0), static_cast<float>(y0));
  HPDF_Page_LineTo(page, static_cast<float>(x1), static_cast<float>(y1));
  HPDF_Page_Stroke(page);
}

}  // namespace

void DrawAxisCaptions(const Canvas& canvas, ChartArea& area, int entryBottom, int entryLeft, int entryRight) {
  if (!canvas.settings.AxesCaptionX.title.empty()) XCaption(canvas, area, entryBottom);
  if (!canvas.settings.AxesCaptionY.title.empty()) YCaption(canvas, area, entryLeft, entryRight);
}

void DrawValueAxis(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const HPDF_Page page = canvas.page;
  const double g = s.AxesGridLine.width;
  const int N = std::max(1, s.AxesDivisions);  // 1..100 by its command; never a division by 0

  bool dashed = false;
  if (g > 0) {
    HPDF_Page_SetLineWidth(page, static_cast<float>(g));
    SetStrokeColor(page, s.AxesGridLine.color);
    const auto& style = s.AxesGridLineStyle;
    if (style.dashOn > 0 || style.dashOff > 0 || style.dashPhase > 0) {
      const HPDF_UINT16 pattern[2] = {static_cast<HPDF_UINT16>(style.dashOn),
                                      static_cast<HPDF_UINT16>(style.dashOff)};
      HPDF_Page_SetDash(page, pattern, 2, static_cast<HPDF_UINT>(style.dashPhase));
      dashed = true;
    }
  }

  const bool vertical = ValueAxisIsVertical(s);
  const bool horizontal = s.Chart.style == ChartStyle::kBarHorizontal;
  if (vertical || horizontal) {
    const FontSpec& labelFont = vertical ? s.AxesLabelY : s.AxesLabelX;
    const bool labels = labelFont.size > 0;
    double A = 0, D = 0, S = 0;
    if (labels) {
      ApplyFont(canvas, labelFont);
      A = Ascent(page);
      D = Descent(page);
      S = SpaceWidth(page);
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
        if (draw && vertical) Line(page, area.left, at, area.right, at);
        if (draw && horizontal) Line(page, at, area.bottom, at, area.top);
      }

      if (labels) {
        const double value = k < N ? canvas.scale.minimum + k * canvas.scale.range / N : canvas.scale.maximum;
        std::string text = ValueText(s, canvas.data, value);
        if (text.size() > kMaxScaleLabelLength) text.resize(kMaxScaleLabelLength);
        const double w = TextWidth(page, text);
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
        WriteText(page, 0, x, y, text);
      }
    }
  }

  if (dashed) HPDF_Page_SetDash(page, nullptr, 0, 0);
}

void DrawAxisLines(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const double w = s.AxesLine.width;
  if (!(w > 0)) return;
  // Inset so that a line wider than one point lies inside the plot.
  const double i = w > 1 ? (w - 0.5) / 2 : 0;
  const HPDF_Page page = canvas.page;
  SetStrokeColor(page, s.AxesLine.color);
  HPDF_Page_SetLineWidth(page, static_cast<float>(w));
  if (s.AxesLine.format == AxesLineFormat::kFull) {
    HPDF_Page_Rectangle(page, static_cast<float>(area.left + i), static_cast<float>(area.bottom + i),
                        static_cast<float>((area.right - area.left) - 2 * i),
                        static_cast<float>((area.top - area.bottom) - 2 * i));
  } else {
    // The vertical axis on the left and the horizontal one at the bottom, whatever the side
    // of the scale labels or the bar orientation.
    HPDF_Page_MoveTo(page, static_cast<float>(area.left + i), static_cast<float>(area.top));
    HPDF_Page_LineTo(page, static_cast<float>(area.left + i), static_cast<float>(area.bottom + i));
    HPDF_Page_LineTo(page, static_cast<float>(area.right), static_cast<float>(area.bottom + i));
  }
  HPDF_Page_Stroke(page);
}

}  // namespace corvane
