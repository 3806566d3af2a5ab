#include "render/headings.h"

#include "render/text.h"

namespace corvane {
namespace {

// x of a text of width w across the frame from left to right, aligned as the heading asks.
double HeadingX(HorizontalAlignment horizontal, double left, double right, double w, double S) {
  switch (horizontal) {
    case HorizontalAlignment::kLeft: return left + S / 2;
    case HorizontalAlignment::kCentre: return left + ((right - left) - w) / 2;
    case HorizontalAlignment::kRight: return right - w - S / 2;
  }
  return left + S / 2;
}

}  // namespace

void DrawHeadings(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  Surface& surface = canvas.surface;
  const bool bottom = s.ChartHeading.vertical == VerticalAlignment::kBottom;
  // The frame the headings stand in: the page, or the page within its margin.
  const ChartArea frame = area;
  const double left = frame.left;
  const double right = frame.right;
  const double H = frame.top;
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
      y = frame.bottom + 2 * D + sub;
      area.bottom = static_cast<int>(A + y + 0.5 + 2 * D);
      area.top -= static_cast<int>(D);
    } else {
      y = H - A - 2 * D;
      area.top = static_cast<int>(y - 2 * D - 0.5 - sub);
      area.bottom += static_cast<int>(D);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, left, right, w, S);
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
        y = frame.bottom + 2 * D;
        area.bottom = static_cast<int>(frame.bottom + A + 3 * D);
        area.top -= static_cast<int>(D);
      } else {
        y = H - A - D;
        area.top = static_cast<int>(y - 2 * D);
        area.bottom += static_cast<int>(D);
      }
      area.left += static_cast<int>(S);
      area.right -= static_cast<int>(S);
    }
    const double x = HeadingX(s.ChartHeading.horizontal, left, right, w, S);
    font.Show(x, y - offset, 0, s.Subject);
  }

  // A page margin given by command replaces the layout's own.
  if (s.Title.empty() && s.Subject.empty() && !s.PageMargin) {
    area = ChartArea{frame.left + 5, frame.top - 5, frame.right - 5, frame.bottom + 5};
  }
}

}  // namespace corvane
