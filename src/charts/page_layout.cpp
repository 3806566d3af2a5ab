#include "charts/page_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "render/headings.h"
#include "render/measuring_surface.h"

namespace corvane {
namespace {

constexpr int kLeastAutoMargin = 5;
// A chart settles in a round or two, where a text moves as far as its side; one that moves
// half as far (centred in its area) takes a few more. The limit bounds a layout that creeps.
constexpr int kAutoRounds = 32;
// A hundredth of a point, the finest step the page is drawn in, counts as on the page.
constexpr double kOnThePage = 0.01;

ChartArea Inset(const ChartSettings& s, const PageMargins& m) {
  return ChartArea{m.left, s.Page.height - m.top, s.Page.width - m.right, m.bottom};
}

// The margins as four sides, left, top, right, bottom, so that each side is one rule.
std::array<int*, 4> Sides(PageMargins& m) { return {&m.left, &m.top, &m.right, &m.bottom}; }

// How far the chart's texts run past each edge of the page less the least margin, left, top,
// right, bottom; none when the chart has no room in the margins.
std::optional<std::array<double, 4>> TextsPastThePage(const Canvas& canvas, const PageMargins& margins) {
  const ChartSettings& s = canvas.settings;
  MeasuringSurface trial(canvas.surface);
  SilentLog quiet;  // the chart drawn afterwards says what it has to say
  // Its own fonts draw on the trial surface; a character no font has is reported by the real drawing.
  TextFonts trialFonts(trial, s, canvas.fonts.library(), quiet);
  const Canvas dry{trial, s, canvas.data, canvas.scale, quiet, trialFonts};
  ChartArea area = Inset(s, margins);
  DrawHeadings(dry, area);
  // The headings keep to the frame their alignment gives them, which no margin widens; only
  // the chart's texts are measured.
  trial.ForgetTexts();
  if (DrawChart(dry, area) != ChartOutcome::kDrawn) return std::nullopt;
  const TextReach& reach = trial.reach();
  if (reach.empty()) return std::array<double, 4>{};
  // Texts keep the least margin from the page's edges too.
  const double m = kLeastAutoMargin;
  return std::array<double, 4>{m - reach.left, reach.top - (s.Page.height - m), reach.right - (s.Page.width - m),
                               m - reach.bottom};
}

}  // namespace

PageMargins AutoPageMargins(const Canvas& canvas) {
  PageMargins margins{kLeastAutoMargin, kLeastAutoMargin, kLeastAutoMargin, kLeastAutoMargin};
  PageMargins before = margins;  // the margins of the round before
  double pastBefore = INFINITY;  // how far the texts ran past the page then, the sides summed
  for (int round = 0;; ++round) {
    const auto past = TextsPastThePage(canvas, margins);
    if (!past) return before;  // the chart had room in the margins before, or none at all
    double total = 0;
    for (const double p : *past) total += std::max(p - kOnThePage, 0.0);
    if (total == 0) return margins;
    // Widening that brings the texts no nearer the page: what runs past is no text a margin
    // moves (a legend or caption wider than the page), or one it moves off the other side.
    if (total > pastBefore - kOnThePage) return before;
    if (round == kAutoRounds) return margins;
    before = margins;
    pastBefore = total;
    const std::array<int*, 4> side = Sides(margins);
    for (int i = 0; i < 4; ++i) {
      if ((*past)[i] > kOnThePage) *side[i] += static_cast<int>(std::ceil((*past)[i] - kOnThePage));
    }
  }
}

ChartOutcome DrawChartPage(const Canvas& canvas) {
  const ChartSettings& s = canvas.settings;
  ChartArea area{0, s.Page.height, s.Page.width, 0};
  if (s.PageMargin) {
    const int N = s.PageMargin->value;
    area = Inset(s, s.PageMargin->automatic ? AutoPageMargins(canvas) : PageMargins{N, N, N, N});
  }
  DrawHeadings(canvas, area);
  return DrawChart(canvas, area);
}

}  // namespace corvane
