#include "charts/pie_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "render/labels.h"
#include "render/legends.h"
#include "render/text.h"

namespace corvane {
namespace {

double Radians(double degrees) { return degrees * 3.141592653589793 / 180; }

// A pie that fills its height lets its sides move in without shrinking, and then shrinks
// with them; a dozen rounds fit the labels of any pie that fits at all, and the limit bounds
// one that has no room left to give.
constexpr int kOutsideFitRounds = 24;

// The label work fields of one slice: where its label starts and the angle it runs at
// (degrees anticlockwise from the x axis, as Surface::ShowText takes it).
struct SliceLabel {
  float labelX = 0;
  float labelY = 0;
  float labelAngle = 0;
};

// The metrics of PieLabel.font, single precision like the angles they are laid out with.
struct LabelMetrics {
  float A = 0;
  float D = 0;
  float H = 0;
};

// a[0] = 0 and a[k + 1] = a[k] + v(k) x 360 / T: slice k spans a[k] to a[k + 1]. Each sweep
// is rounded to single precision before it is added, so the last angle may miss 360 by a hair.
std::vector<float> SliceAngles(const DataTable& data, int n) {
  double T = 0;
  for (int k = 0; k < n; ++k) T += data.items[k].values[0];
  std::vector<float> a(n + 1, 0.0f);
  for (int k = 0; k < n; ++k) {
    float sweep = static_cast<float>(data.items[k].values[0] * 360 / T);
    // With a sum of 0 there are no shares to draw: every slice is left empty, as a value of 0
    // leaves its own slice, rather than handing undefined angles to the page.
    if (!std::isfinite(sweep)) sweep = 0;
    a[k + 1] = a[k] + sweep;
  }
  return a;
}

float MiddleAngle(const std::vector<float>& a, int k) { return a[k] + (a[k + 1] - a[k]) * 0.5f; }

// Inside: the label is pulled toward the centre by its own size, the more the further round
// the rim it stands, so that at 12, 3, 6 and 9 o'clock it sits under, before, over and after
// the anchor P.
SliceLabel InsideLabel(PiePoint P, float m, double w, const LabelMetrics& f) {
  const double D = f.D;
  const double H = f.H;
  double x, y;
  if (m <= 90) {
    x = P.x - w / 2 - (w / 2) * m / 90;
    y = P.y - D - (H / 2) * (90 - m) / 90;
  } else if (m <= 180) {
    x = P.x - w / 2 - (w / 2) * (180 - m) / 90;
    y = P.y + (D - H / 2) * (180 - m) / 90;
  } else if (m <= 270) {
    x = P.x - w / 2 + (w / 2) * (m - 180) / 90;
    y = P.y + (D - H / 2) * (m - 180) / 90;
  } else {
    x = P.x - w / 2 + (w / 2) * (360 - m) / 90;
    y = P.y - D - (H / 2) * (m - 270) / 90;
  }
  SliceLabel l;
  l.labelX = static_cast<float>(x);
  l.labelY = static_cast<float>(y);
  return l;
}

// Outside: labels of the right half start at the anchor, those of the left half end at it.
SliceLabel OutsideLabel(PiePoint P, float m, double w, const LabelMetrics& f) {
  const double D = f.D;
  const double H = f.H;
  double x, y;
  if (m <= 90) {
    x = P.x;
    y = P.y - (H / 2) * m / 90;
  } else if (m <= 180) {
    x = P.x;
    y = P.y - D - (H / 2) * (m - 90) / 90;
  } else if (m <= 270) {
    x = P.x - w;
    y = P.y - D - (H / 2) * (270 - m) / 90;
  } else {
    x = P.x - w;
    y = P.y - (H / 2) * (360 - m) / 90;
  }
  SliceLabel l;
  l.labelX = static_cast<float>(x);
  l.labelY = static_cast<float>(y);
  return l;
}

// Spoke: the label runs outwards along the slice's middle line and ends near the rim. Its
// start is w back from the anchor P1 towards the centre, moved clockwise by Q - P1 so that the
// text stands on the middle line rather than hanging below it.
SliceLabel SpokeLabel(const PieDisc& disc, float a0, float a1, float m, double w, const LabelMetrics& f) {
  const float rIn = disc.r - f.H / 2;
  const PiePoint P1 = SliceMidPoint(disc.cx, disc.cy, rIn, a0, a1);
  PiePoint Q = P1;
  float s = m;
  const float limit = m - a0 + a1;
  const double target = (f.A - 2 * f.D) * 0.5;
  while (s < limit) {
    Q = SliceMidPoint(disc.cx, disc.cy, rIn, s, static_cast<float>(s + 0.2));  // 0.1 degree past s
    // This measure, not the distance, is what the shift is judged by.
    if (std::sqrt(2 * std::fabs(P1.y - Q.y) + 2 * std::fabs(P1.x - Q.x)) >= target) break;
    s = static_cast<float>(s + 0.1);
  }
  const PiePoint R = SliceMidPoint(P1.x, P1.y, static_cast<float>(w), a0 + 180, a1 + 180);
  SliceLabel l;
  l.labelAngle = 450 - m;
  l.labelX = R.x + Q.x - P1.x;
  l.labelY = R.y + Q.y - P1.y;
  return l;
}

// SpokeUpright on the left half: the Spoke label's box turned round its middle, so that it
// reads left to right in the same place, from the rim toward the centre.
SliceLabel TurnedRound(const SliceLabel& spoke, double w, const LabelMetrics& f) {
  const double r = Radians(spoke.labelAngle);
  const double across = f.A - f.D;  // the box's far side seen from the baseline, less its near side
  SliceLabel l;
  l.labelAngle = spoke.labelAngle - 180;
  l.labelX = static_cast<float>(spoke.labelX + w * std::cos(r) - across * std::sin(r));
  l.labelY = static_cast<float>(spoke.labelY + w * std::sin(r) + across * std::cos(r));
  return l;
}

// Outside labels need room: the pie gives up one and a half text heights at the top and the
// bottom, and its sides move in by as much as a label would stick out of the area. The labels
// are measured once, against the pie before the sides move. With PageMargin Auto they are
// measured again against the pie the moved sides leave, and the sides move on, until every
// label stays within the area's sides as they were, clear of the legend and the page's edge.
void TakeOutsideLabelRoom(const Canvas& canvas, ChartArea& area, const std::vector<float>& a,
                          const SizedFont& font, const LabelMetrics& f, const std::vector<std::string>& texts) {
  const ChartSettings& s = canvas.settings;
  const int n = static_cast<int>(a.size()) - 1;
  std::vector<double> w(n);
  for (int k = 0; k < n; ++k) w[k] = font.Width(texts[k]);
  const int left = area.left;
  const int right = area.right;
  area.top += static_cast<int>(-1.5 * f.H);
  area.bottom += static_cast<int>(1.5 * f.H);
  const bool untilTheyFit = s.PageMargin && s.PageMargin->automatic;
  for (int round = 0; round < (untilTheyFit ? kOutsideFitRounds : 1); ++round) {
    double Lo = left;
    double Ro = right;
    const PieDisc disc = PieCircle(s, area);
    if (round > 0 && !(disc.r > 0)) break;  // no room left to give
    for (int k = 0; k < n; ++k) {
      const PiePoint P = SliceMidPoint(disc.cx, disc.cy, disc.r + f.H / 2, a[k], a[k + 1]);
      if (MiddleAngle(a, k) > 180) {
        Lo = std::min(Lo, P.x - w[k]);
      } else {
        Ro = std::max(Ro, P.x + w[k]);
      }
    }
    if (Lo >= left && Ro <= right) break;
    // The first move truncates as the pie always has; later ones round up, so that each
    // brings the labels nearer.
    if (Lo < left) area.left += round == 0 ? left - static_cast<int>(Lo) : static_cast<int>(std::ceil(left - Lo));
    if (Ro > right) {
      area.right -= round == 0 ? static_cast<int>(Ro) - right : static_cast<int>(std::ceil(Ro - right));
    }
  }
}

}  // namespace

PieDisc PieCircle(const ChartSettings& settings, const ChartArea& area) {
  const double width = area.right - area.left;
  const double height = area.top - area.bottom;
  double r = std::min(width * 0.5, height * 0.5);
  if (settings.PieOutlineColor.on) r -= settings.PieOutlineColor.width / 2;
  r -= settings.PiePageMargin;
  return PieDisc{static_cast<float>(area.left + width * 0.5), static_cast<float>(area.top - height * 0.5),
                 static_cast<float>(r)};
}

PiePoint SliceMidPoint(float cx, float cy, float r, float a0, float a1) {
  // Narrowing both ends alike keeps the middle and brings the span within half a turn.
  while (a1 - a0 > 180) {
    a0 = a0 + 1;
    a1 = a1 - 1;
  }
  float s = a0;
  float m = a0 + (a1 - a0) * 0.5f;
  while (s < 0 || m < 0) {
    s += 360;
    m += 360;
  }
  if (m - s > 90) m = s + 90;
  return PiePoint{static_cast<float>(cx + r * std::sin(Radians(m))),
                  static_cast<float>(cy + r * std::cos(Radians(m)))};
}

ChartOutcome DrawPieChart(const Canvas& canvas, ChartArea& area) {
  const ChartSettings& s = canvas.settings;
  const DataTable& data = canvas.data;
  Surface& surface = canvas.surface;
  const int n = std::clamp(data.count, 0, kMaxItems);
  const std::vector<float> a = SliceAngles(data, n);
  // No slice can run backwards: the chart is refused before anything is drawn.
  for (int k = 0; k < n; ++k) {
    if (a[k + 1] < a[k]) return ChartOutcome::kSliceRunsBackwards;
  }

  DrawItemLegend(canvas, area);

  const std::optional<PieLabelPosition> position = s.PieLabel.position;
  const bool labelsOn = position.has_value();
  const double T = SliceTotal(data);
  std::vector<std::string> texts;
  for (int k = 0; labelsOn && k < n; ++k) {
    texts.push_back(FormatLabel(s, data, data.items[k], data.items[k].values[0], s.PieLabel.format, T));
  }
  const SizedFont font = FontOf(canvas, s.PieLabel.font, texts);
  LabelMetrics f;
  if (labelsOn) {
    ApplyFont(canvas, s.PieLabel.font);
    f.A = static_cast<float>(font.Ascent());
    f.D = static_cast<float>(font.Descent());
    f.H = f.A + f.D;
  }
  if (position == PieLabelPosition::kOutside) TakeOutsideLabelRoom(canvas, area, a, font, f, texts);

  const PieDisc disc = PieCircle(s, area);
  if (!(disc.r > 0)) return NoRoom(canvas, area);
  const float cx = disc.cx;
  const float cy = disc.cy;
  const float r = disc.r;
  if (s.PieOutlineColor.on) {
    surface.SetStrokeColor(s.PieOutlineColor.color);
    surface.SetLineWidth(s.PieOutlineColor.width);
  }

  // Each slice is one path: from the centre a line to where the previous arc ended (of length
  // 0 for the first slice), the slice's arc, and back to the centre.
  std::vector<SliceLabel> labels(n);
  Point E{cx, cy};
  for (int k = 0; k < n; ++k) {
    // Without any PieColor every slice is black.
    surface.SetFillColor(PieSliceColor(s, k));
    if (a[k + 1] - a[k] >= 360) {
      // A whole turn is the whole disc, without a seam from the centre. An arc cannot make a
      // whole turn, so the circle is drawn in two halves.
      surface.Arc(cx, cy, r, a[k], a[k] + 180);
      surface.Arc(cx, cy, r, a[k] + 180, a[k + 1]);
      E = surface.CurrentPoint();
      if (s.PieOutlineColor.on) {
        surface.ClosePath();
        surface.FillAndStroke();
      } else {
        surface.Fill();
      }
    } else {
      surface.MoveTo(cx, cy);
      surface.LineTo(E.x, E.y);
      if (a[k + 1] != a[k]) surface.Arc(cx, cy, r, a[k], a[k + 1]);
      E = surface.CurrentPoint();
      surface.LineTo(cx, cy);
      if (s.PieOutlineColor.on) {
        surface.FillAndStroke();
      } else {
        surface.Fill();
      }
    }

    if (labelsOn) {
      const double w = font.Width(texts[k]);
      const float m = MiddleAngle(a, k);
      if (position == PieLabelPosition::kInside) {
        labels[k] = InsideLabel(SliceMidPoint(cx, cy, r - f.H / 2, a[k], a[k + 1]), m, w, f);
      } else if (position == PieLabelPosition::kOutside) {
        labels[k] = OutsideLabel(SliceMidPoint(cx, cy, r + f.H / 2, a[k], a[k + 1]), m, w, f);
      } else {
        labels[k] = SpokeLabel(disc, a[k], a[k + 1], m, w, f);
        if (position == PieLabelPosition::kSpokeUpright && m > 180) labels[k] = TurnedRound(labels[k], w, f);
      }
    }
  }

  // After all slices, so that no slice covers a label.
  if (labelsOn) {
    ApplyFont(canvas, s.PieLabel.font);
    for (int k = 0; k < n; ++k) {
      font.Show(labels[k].labelX, labels[k].labelY, labels[k].labelAngle, texts[k]);
    }
  }
  return ChartOutcome::kDrawn;
}

}  // namespace corvane
