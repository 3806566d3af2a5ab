#include "render/background.h"

#include "render/color.h"

namespace corvane {
namespace {

void FillRectangle(HPDF_Page page, const RgbColor& color, double x, double y, double width, double height) {
  SetFillColor(page, color);
  HPDF_Page_Rectangle(page, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                      static_cast<float>(height));
  HPDF_Page_Fill(page);
}

}  // namespace

void DrawPlotBackground(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  if (!s.ChartBackground) return;
  const RgbColor& from = s.ChartBackground->fromColor;
  const RgbColor& to = s.ChartBackground->toColor;
  if (SameColor(from, s.Page.color) && SameColor(to, s.Page.color)) return;

  const double width = area.right - area.left;
  const double height = area.top - area.bottom;
  const int N = s.AxesDivisions;
  if (SameColor(from, to) || N < 2) {
    FillRectangle(canvas.page, from, area.left, area.bottom, width, height);
    return;
  }

  // Band k takes the colour at k + 1 of 1..N: the first is exactly from, the last exactly to.
  const bool vertical = ValueAxisIsVertical(s);
  const bool horizontal = s.Chart.style == ChartStyle::kBarHorizontal;
  for (int k = 0; k < N && (vertical || horizontal); ++k) {
    const RgbColor color = GradientColor(from, to, 1, N, k + 1);
    if (vertical) {
      FillRectangle(canvas.page, color, area.left, area.bottom + height * k / N, width, height / N);
    } else {
      FillRectangle(canvas.page, color, area.left + width * k / N, area.bottom, width / N, height);
    }
  }
}

}  // namespace corvane
