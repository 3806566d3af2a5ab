// Turning values into text, and label templates into labels: "TTTT" stands for the item's
// label and "VVVV" for its value text, and in the pie's templates "PPPP" for the slice's share.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/chart_settings.h"
#include "model/data_table.h"

namespace corvane {

inline constexpr std::size_t kMaxValueTextLength = 31;
inline constexpr std::size_t kMaxLabelTextLength = 85;

// A value as a time (h:mm:ss, with milliseconds when the data had fractions), as a fixed
// decimal when the data had decimal points, or as a whole number truncated toward zero.
// At most 31 characters.
std::string ValueText(const ChartSettings& settings, const DataTable& data, double value);

// The value as a plain number, never as a time: what the label room is measured on.
std::string PlainNumberText(const ChartSettings& settings, const DataTable& data, double value);

// The sum of the first series values: the total each pie slice is a share of.
double SliceTotal(const DataTable& data);

// The value's share of the total in per cent with DecimalPoints decimals, rounded to the
// nearest (halves away from zero); 0 when the total is 0.
std::string ShareText(const ChartSettings& settings, double value, double total);

// Expands the template for the item and value, cut at 85 characters (never inside one). Given
// the total of the pie's slices, "PPPP" stands for the value's share of it; otherwise it is
// plain text.
std::string FormatLabel(const ChartSettings& settings, const DataTable& data, const DataItem& item,
                        double value, const std::string& labelTemplate,
                        std::optional<double> sliceTotal = std::nullopt);

}  // namespace corvane
