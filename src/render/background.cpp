#include "render/background.h"

#include "render/color.h"

namespace corvane {
namespace {

void FillRectangle(Surface& surface, const RgbColor& color, double x, double y, double width, double height) {
  surface.SetFillColor(color);
  surface.Rectangle(x, y, width, height);
  surface.Fill();
}

}  // namespace

void DrawPageBackground(Surface& surface, const ChartSettings& settings) {
  const RgbColor& c = settings.Page.color;
  if (c.red >= 1 && c.green >= 1 && c.blue >= 1) return;  // white paper needs no paint
  FillRectangle(surface, c, 0, 0, settings.Page.width, settings.Page.height);
}

void DrawPlotBackground(const Canvas& canvas, const ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  if (!s.ChartBackground) return;
  const RgbColor& from = s.ChartBackground->fromColor;
  const RgbColor& to = s.ChartBackground->toColor;
  if (SameColor(from, s.Page.color) && SameColor(to, s.Page.color)) return;

  const double width = area.right - area.left;
  const double height = area.top - area.bottom;
  const int N = canvas.scale.Divisions(s.AxesDivisions);  // the bands follow the grid
  if (SameColor(from, to) || N < 2) {
    FillRectangle(canvas.surface, from, area.left, area.bottom, width, height);
    return;
  }

  // Band k takes the colour at k + 1 of 1..N: the first is exactly from, the last exactly to.
  const bool vertical = ValueAxisIsVertical(s);
  const bool horizontal = s.Chart.style == ChartStyle::kBarHorizontal;
  for (int k = 0; k < N && (vertical || horizontal); ++k) {
    const RgbColor color = GradientColor(from, to, 1, N, k + 1);
    if (vertical) {
      FillRectangle(canvas.surface, color, area.left, area.bottom + height * k / N, width, height / N);
    } else {
      FillRectangle(canvas.surface, color, area.left + width * k / N, area.bottom, width / N, height);
    }
  }
}

}  // namespace corvane
