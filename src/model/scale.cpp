#include "model/scale.h"

#include <cmath>

#include "model/round_scale.h"

namespace corvane {
namespace {

// Values the commands accept have at most 15 characters, far inside this bound; holding
// every input to it keeps the ends finite whatever the table and the percentage hold.
constexpr double kLargestValue = 1e200;

double Bounded(double value) {
  if (std::isnan(value)) return 0.0;
  return std::fmax(-kLargestValue, std::fmin(kLargestValue, value));
}

// An axis over one single value would divide by a range of 0: give it one unit on either
// side, never going below 0 for data that do not (so all zeros span 0 to 1). Beyond 2^53 a
// unit is lost in rounding and a millionth of the value is used instead.
ScaleRange Widened(double value) {
  double unit = 1.0;
  if (value + unit == value) unit = std::fabs(value) * 1e-6;
  double minimum = value - unit;
  if (minimum < 0 && value >= 0) minimum = 0;
  const double maximum = value + unit;
  return ScaleRange{minimum, maximum, maximum - minimum};
}

struct Extent {
  double min;
  double max;
};

// The lowest and highest value of every series. Stacked bars reach from the sum of an item's
// negative values to the sum of its positive ones, so their extent is that of the sums, and
// always takes in 0, where the stacks start.
Extent DataExtent(const ChartSettings& settings, const DataTable& data, int s) {
  if (IsBarChart(settings) && settings.BarSeries == BarSeries::kStacked) {
    Extent extent{0, 0};
    for (int item = 0; item < data.count; ++item) {
      double below = 0;
      double above = 0;
      for (int series = 0; series < s; ++series) {
        const double v = Bounded(data.items[item].values[series]);
        (v < 0 ? below : above) += v;
      }
      extent.min = std::fmin(extent.min, below);
      extent.max = std::fmax(extent.max, above);
    }
    return extent;
  }
  Extent extent{Bounded(data.items[0].values[0]), Bounded(data.items[0].values[0])};
  for (int item = 0; item < data.count; ++item) {
    for (int series = 0; series < s; ++series) {
      const double v = Bounded(data.items[item].values[series]);
      if (v < extent.min) extent.min = v;
      if (v > extent.max) extent.max = v;
    }
  }
  return extent;
}

// Bars always stand on 0; lines and areas take in 0 only when the data lie in the upper half of
// the span from it, and otherwise hug the data. Equal values get a tenth of their size on either
// side (0 gets 0 to 1), which keeps a flat line in the middle of the plot.
ScaleRange NiceScale(const ChartSettings& settings, const DataTable& data, Extent extent) {
  double lo = extent.min;
  double hi = extent.max;
  if (IsBarChart(settings)) {
    lo = std::fmin(lo, 0);
    hi = std::fmax(hi, 0);
  } else if (lo >= 0 && lo <= hi / 2) {
    lo = 0;
  }
  if (lo == hi) {
    const double margin = lo == 0 ? 1 : std::fabs(lo) / 10;
    hi += margin;
    if (lo != 0) lo -= margin;
  }
  return RoundScale(lo, hi, settings.AxesDivisions, data.timeValues);
}

}  // namespace

ScaleRange ComputeScale(const ChartSettings& settings, const DataTable& data) {
  const int s = data.SeriesToDraw();
  if (data.count < 1 || s < 1) return Widened(0.0);

  const Extent extent = DataExtent(settings, data, s);
  const double dataMin = extent.min;
  const double dataMax = extent.max;

  const auto& scale = settings.AxesScale;
  double minimum = dataMin;
  double maximum = dataMax;
  switch (scale.mode) {
    case ScaleMode::kFromZero:
      if (dataMin > 0) minimum = 0;
      break;
    case ScaleMode::kUnderLowestValue: {
      const double r = (dataMax - dataMin) * (scale.percent + 100) / 100;
      minimum = dataMax - r;
      if (minimum < 0 && dataMin >= 0) minimum = 0;
      if (!data.decimalSeen) minimum = std::floor(minimum);
      break;
    }
    case ScaleMode::kRange:
      minimum = std::fmin(dataMin, Bounded(scale.rangeFrom));
      maximum = std::fmax(dataMax, Bounded(scale.rangeTo));
      break;
    case ScaleMode::kEitherSide: {
      const double e = (dataMax - dataMin) * scale.percent / 100;
      maximum = dataMax + e;
      minimum = dataMin - e;
      if (minimum < 0 && dataMin >= 0) minimum = 0;
      if (!data.decimalSeen) {
        minimum = std::floor(minimum);
        maximum = std::ceil(maximum);
      }
      break;
    }
    case ScaleMode::kNice:
      return NiceScale(settings, data, extent);
  }

  const double range = maximum - minimum;
  if (!(range > 0)) return Widened(minimum);
  return ScaleRange{minimum, maximum, range};
}

}  // namespace corvane
