// All chart data of a run: up to 1000 items, each a label and up to 10 series values, in
// the order the data commands gave them, optionally sorted once before drawing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/chart_settings.h"

namespace corvane {

inline constexpr int kMaxItems = 1000;
inline constexpr std::size_t kMaxLabelLength = 50;

// DataSort: by the First field of an item (its label) or the Second (its first series value).
enum class SortField { kFirst, kSecond };
enum class SortOrder { kAscending, kDescending };

struct DataItem {
  std::string label;  // at most 50 characters
  std::array<double, kMaxSeries> values{};  // milliseconds for time data
};

struct DataTable {
  // Rows 0..count-1. They take memory only once used: a chart of two bars need not clear the
  // room of a thousand, which was a tenth of its run.
  std::vector<DataItem> items;
  int count = 0;
  int seriesCount = 0;  // fixed by the first numeric row; time rows leave it at 0
  bool timeValues = false;
  bool decimalSeen = false;
  struct {
    std::optional<SortField> field;  // none: the rows keep their order
    SortOrder order = SortOrder::kAscending;
  } DataSort;

  // The number of series to scale, list and draw: time rows carry one value but leave
  // seriesCount at 0, which the data commands rely on.
  int SeriesToDraw() const { return timeValues && seriesCount == 0 ? 1 : seriesCount; }

  // Row `count`, which then counts; the caller fills it.
  DataItem& Append() {
    if (items.size() <= static_cast<std::size_t>(count)) items.resize(count + 1);
    return items[count++];
  }
};

// Orders two rows by the sort field and order; negative, zero or positive.
int CompareItems(const DataTable& table, const DataItem& a, const DataItem& b);

// Sorts rows 0..count-1 in place when a sort field was requested; otherwise leaves them.
void SortData(DataTable& table);

}  // namespace corvane
