#include "model/round_scale.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

namespace corvane {
namespace {

// A step of mantissa x 10^exponent, kept in its two parts so that its multiples come out as the
// decimal numbers they stand for: three steps of 0.1 are 3 / 10, not 0.30000000000000004.
struct Step {
  double mantissa;
  int exponent = 0;

  double Times(double j) const {
    const double whole = j * mantissa;
    return exponent >= 0 ? whole * std::pow(10.0, exponent) : whole / std::pow(10.0, -exponent);
  }
};

// The decimal steps' mantissas, smallest first.
constexpr double kMantissas[] = {1, 2, 2.5, 5};

// The clock's round steps in milliseconds, below a day: 1, 2, 5, 10, 15 and 30 seconds and
// minutes, and 1, 2, 3, 6 and 12 hours.
constexpr double kClockSteps[] = {1e3,   2e3,   5e3,    10e3,   15e3,   30e3,    60e3,    120e3,   300e3,
                                  600e3, 900e3, 1800e3, 3600e3, 7200e3, 10800e3, 21600e3, 43200e3};
constexpr double kDay = 86400e3;

// x in whole steps, rounded down or up, forgiving the last bits a step such as 0.1 leaves:
// 0.3 / 0.1 is 2.9999999999999996, which is 3 steps.
double WholeSteps(double x, double step, bool up) {
  const double q = x / step;
  const double nearest = std::nearbyint(q);
  if (std::fabs(q - nearest) <= 8 * DBL_EPSILON * std::max(1.0, std::fabs(q))) return nearest;
  return up ? std::ceil(q) : std::floor(q);
}

// The axis the step gives over lo..hi, when it takes at most limit steps and its ends are
// finite and apart (a step far below the values' precision can round them together).
std::optional<ScaleRange> Covering(double lo, double hi, Step step, int limit) {
  const double size = step.Times(1);
  const double from = WholeSteps(lo, size, false);
  double to = WholeSteps(hi, size, true);
  if (to == from) to = from + 1;  // lo and hi a rounding apart
  if (to - from > limit) return std::nullopt;
  ScaleRange scale;
  scale.minimum = step.Times(from) + 0.0;  // + 0.0 turns -0 into 0
  scale.maximum = step.Times(to) + 0.0;
  scale.range = scale.maximum - scale.minimum;
  scale.divisions = static_cast<int>(to - from);
  if (!std::isfinite(scale.range) || !(scale.range > 0)) return std::nullopt;
  return scale;
}

// The decimals a step of m x 10^e shows: none from 1 up (but 2.5 one), one more for each power
// of ten below.
int Decimals(Step step) {
  return std::max(0, (step.mantissa == 2.5 ? 1 : 0) - step.exponent);
}

std::optional<ScaleRange> DecimalScale(double lo, double hi, int limit) {
  // No step below a tenth of extent / limit can cover the data; one of at least the largest
  // magnitude always does, at most twenty powers of ten further on for values of 15 digits.
  int e = static_cast<int>(std::floor(std::log10((hi - lo) / limit))) - 1;
  for (int powers = 0; powers < 1000; ++powers, ++e) {
    for (double m : kMantissas) {
      const Step step{m, e};
      if (auto scale = Covering(lo, hi, step, limit)) {
        scale->decimals = Decimals(step);
        return scale;
      }
    }
  }
  return std::nullopt;
}

std::optional<ScaleRange> ClockScale(double lo, double hi, int limit) {
  for (double ms : kClockSteps) {
    if (auto scale = Covering(lo, hi, Step{ms}, limit)) return scale;
  }
  // Whole days: none fewer than extent / limit of them can cover the data. Beyond a few
  // thousand candidates (data of years) the step of the largest magnitude is taken, which
  // covers the data in one step, or two across 0.
  double k = std::max(1.0, std::floor((hi - lo) / (limit * kDay)));
  for (int tries = 0; tries < 10000; ++tries, ++k) {
    if (auto scale = Covering(lo, hi, Step{k * kDay}, limit)) return scale;
  }
  k = std::ceil(std::max(std::fabs(lo), std::fabs(hi)) / kDay);
  return Covering(lo, hi, Step{k * kDay}, std::max(limit, 2));
}

}  // namespace

ScaleRange RoundScale(double lo, double hi, int divisions, bool time) {
  // Data on both sides of 0 need a step on each side, whatever the divisions asked for.
  const int limit = std::max(divisions, lo < 0 && hi > 0 ? 2 : 1);
  const std::optional<ScaleRange> scale = time ? ClockScale(lo, hi, limit) : DecimalScale(lo, hi, limit);
  if (scale) return *scale;
  return ScaleRange{lo, hi, hi - lo};  // not reached for finite lo < hi
}

}  // namespace corvane
