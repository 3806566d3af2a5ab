#include "model/scale.h"

#include <cmath>

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

}  // namespace

ScaleRange ComputeScale(const ChartSettings& settings, const DataTable& data) {
  const int s = data.SeriesToDraw();
  if (data.count < 1 || s < 1) return Widened(0.0);

  double dataMin = Bounded(data.items[0].values[0]);
  double dataMax = dataMin;
  for (int item = 0; item < data.count; ++item) {
    for (int series = 0; series < s; ++series) {
      const double v = Bounded(data.items[item].values[series]);
      if (v < dataMin) dataMin = v;
      if (v > dataMax) dataMax = v;
    }
  }

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
  }

  const double range = maximum - minimum;
  if (!(range > 0)) return Widened(minimum);
  return ScaleRange{minimum, maximum, range};
}

}  // namespace corvane
