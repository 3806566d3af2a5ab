// Turning values into text, and label templates into labels: "TTTT" stands for the item's
// label and "VVVV" for its value text.
#pragma once

#include <cstddef>
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

// Expands the template for the item and value, cut at 85 characters (never inside one).
std::string FormatLabel(const ChartSettings& settings, const DataTable& data, const DataItem& item,
                        double value, const std::string& labelTemplate);

}  // namespace corvane
