#include "render/labels.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/encoding.h"
#include "platform/format.h"

namespace corvane {
namespace {

// Truncation toward zero into 64 bits, bounded so no value is out of range for the
// conversion (32 bits would give wrong text from about 2.1 billion, or 596 hours of time).
// It saturates from 2^63, the first value 64 bits cannot hold; everything below converts.
std::int64_t Truncated(double value) {
  constexpr double kOutOfRange = 9223372036854775808.0;
  if (std::isnan(value)) return 0;
  if (value >= kOutOfRange) return INT64_MAX;
  if (value < -kOutOfRange) return INT64_MIN;
  return static_cast<std::int64_t>(value);
}

std::string Bounded(std::string text) {
  if (text.size() > kMaxValueTextLength) text.resize(kMaxValueTextLength);
  return text;
}

bool ShowsDecimals(const ChartSettings& settings, const DataTable& data) {
  return data.decimalSeen && settings.DecimalPoints > 0;
}

std::string TimeText(const ChartSettings& settings, const DataTable& data, double value) {
  const std::int64_t ms = Truncated(value);
  const std::int64_t millis = ms % 1000;
  const std::int64_t s = ms / 1000;
  const std::int64_t seconds = s % 60;
  const std::int64_t m = s / 60;
  const std::int64_t minutes = m % 60;
  const std::int64_t hours = m / 60;
  if (ShowsDecimals(settings, data)) {
    return Bounded(Format("%lld:%02lld:%02lld.%0*lld", static_cast<long long>(hours),
                          static_cast<long long>(minutes), static_cast<long long>(seconds),
                          settings.DecimalPoints, static_cast<long long>(millis)));
  }
  return Bounded(Format("%lld:%02lld:%02lld", static_cast<long long>(hours), static_cast<long long>(minutes),
                        static_cast<long long>(seconds)));
}

// Appends as many characters of the text as the capacity allows and takes them off it.
void AppendWithin(std::string& out, std::string_view text, std::size_t& capacity) {
  const std::size_t count = text.size() <= capacity ? text.size() : CodePointCount(text);  // a byte at least each
  const std::size_t take = count <= capacity ? count : capacity;
  out.append(text.substr(0, take == count ? text.size() : CodePointPrefix(text, take)));
  capacity -= take;
}

}  // namespace

std::string PlainNumberText(const ChartSettings& settings, const DataTable& data, double value) {
  // %f of a value near the double limit runs to over 300 characters before it is cut.
  if (ShowsDecimals(settings, data)) return Bounded(Format("%#.*f", settings.DecimalPoints, value));
  return Bounded(Format("%lld", static_cast<long long>(Truncated(value))));
}

std::string ValueText(const ChartSettings& settings, const DataTable& data, double value) {
  if (data.timeValues) return TimeText(settings, data, value);
  return PlainNumberText(settings, data, value);
}

double SliceTotal(const DataTable& data) {
  double T = 0;
  for (int k = 0; k < data.count; ++k) T += data.items[k].values[0];
  return T;
}

std::string ShareText(const ChartSettings& settings, double value, double total) {
  double share = total != 0 ? value / total * 100 : 0;
  if (!std::isfinite(share)) share = 0;
  const double scale = std::pow(10.0, settings.DecimalPoints);
  // + 0.0 writes a share rounded to -0 (of a value -0) as 0.
  const double rounded = std::round(share * scale) / scale + 0.0;
  return Bounded(Format("%.*f", settings.DecimalPoints, rounded));
}

std::string FormatLabel(const ChartSettings& settings, const DataTable& data, const DataItem& item,
                        double value, const std::string& labelTemplate, std::optional<double> sliceTotal) {
  // Labels are measured before they are drawn, so most templates are expanded twice; a value
  // text that no placeholder takes is not made.
  const bool showsValue = labelTemplate.find("VVVV") != std::string::npos;
  const std::string valueText = showsValue ? ValueText(settings, data, value) : std::string();
  const bool shares = sliceTotal && labelTemplate.find("PPPP") != std::string::npos;
  const std::string shareText = shares ? ShareText(settings, value, *sliceTotal) : "";
  std::string out;
  std::size_t capacity = kMaxLabelTextLength;
  std::size_t i = 0;
  while (i < labelTemplate.size() && capacity > 0) {
    if (labelTemplate.compare(i, 4, "TTTT") == 0) {
      AppendWithin(out, item.label, capacity);
      i += 4;
    } else if (labelTemplate.compare(i, 4, "VVVV") == 0) {
      AppendWithin(out, valueText, capacity);
      i += 4;
    } else if (shares && labelTemplate.compare(i, 4, "PPPP") == 0) {
      AppendWithin(out, shareText, capacity);
      i += 4;
    } else {
      const std::size_t start = i;
      NextCodePoint(labelTemplate, i);
      out.append(labelTemplate, start, i - start);
      --capacity;
    }
  }
  return out;
}

}  // namespace corvane
