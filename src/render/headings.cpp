#include "render/headings.h"

#include "render/text.h"

namespace corvane {
namespace {

// x of a text of width w on a page of width W, aligned as the heading asks.
double HeadingX(HorizontalAlignment horizontal, double W, double w, double S) {
  switch (horizontal) {
    case HorizontalAlignment::kLeft: return S / 2;
    case HorizontalAlignment::kCentre: return (W - w) / 2;
    case HorizontalAlignment::kRight: return W - w - S / 2;
  }
  return S / 2;
}

}  // namespace

void DrawHeadings(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  const bool bottom = s.ChartHeading.vertical == VerticalAlignment::kBottom;
  const double W = surface.Width();
  const double H = surface.Height();
  double y = 0;    // the heading's baseline
  double sub = 0;  // how far below it the subheading's baseline lies

  if (!s.Title.empty()) {
    if (!s.Subject.empty()) {
      // The subheading's font is set, as well as measured, for its height.
      const SizedFont subFont = FontOf(canvas, s.HeadingSubTitle, {&s.Subject});
      subFont.Select(surface);
      sub = subFont.Ascent() + subFont.Descent();
    }
    const SizedFont font = ApplyFont(canvas, s.HeadingTitle, {&s.Title});
    const double A = font.Ascent();
    const double D = font.Descent();
    const double S = font.SpaceWidth();
    if (!s.Subject.empty()) sub += D;
    const double w = font.Width(s.Title);
    if (bottom) {
      y = 2 * D + sub;
      area.bottom = static_cast<int>(A + y + 0.5 + 2 * D);
      area.top -= static_cast<int>(D);
    } else {
      y = H - A - 2 * D;
      area.top = static_cast<int>(y - 2 * D - 0.5 - sub);
      area.bottom += static_cast<int>(D);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, W, w, S);
    area.left += static_cast<int>(S);
    area.right -= static_cast<int>(S);
    font.Show(x, y, 0, s.Title);
  }

  if (!s.Subject.empty()) {
    const SizedFont font = ApplyFont(canvas, s.HeadingSubTitle, {&s.Subject});
    const double A = font.Ascent();
    const double D = font.Descent();
    const double S = font.SpaceWidth();
    const double w = font.Width(s.Subject);
    double offset = sub;
    if (s.Title.empty()) {
      offset = 0;
      if (bottom) {
        y = 2 * D;
        area.bottom = static_cast<int>(A + 3 * D);
        area.top -= static_cast<int>(D);
      } else {
        y = H - A - D;
        area.top = static_cast<int>(y - 2 * D);
        area.bottom += static_cast<int>(D);
      }
      area.left += static_cast<int>(S);
      area.right -= static_cast<int>(S);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, W, w, S);
    font.Show(x, y - offset, 0, s.Subject);
  }

  if (s.Title.empty() && s.Subject.empty()) area = ChartArea{5, s.Page.height - 5, s.Page.width - 5, 5};
}

}  // namespace corvane
