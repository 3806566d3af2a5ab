#include "model/data_table.h"

#include <algorithm>

#include "platform/compare.h"

namespace corvane {

int CompareItems(const DataTable& table, const DataItem& a, const DataItem& b) {
  const bool ascending = table.DataSort.order == SortOrder::kAscending;
  if (table.DataSort.field == SortField::kFirst) {
    return ascending ? CompareNoCase(a.label, b.label) : CompareNoCase(b.label, a.label);
  }
  if (table.DataSort.field == SortField::kSecond) {
    const double first = ascending ? a.values[0] : b.values[0];
    const double second = ascending ? b.values[0] : a.values[0];
    if (first < second) return -1;
    return first > second ? 1 : 0;
  }
  return 0;
}

void SortData(DataTable& table) {
  if (!table.DataSort.field) return;
  // Whole rows move, so each label keeps its own values; rows with equal keys keep their order.
  std::stable_sort(table.items.begin(), table.items.begin() + table.count,
            [&table](const DataItem& a, const DataItem& b) { return CompareItems(table, a, b) < 0; });
}

}  // namespace corvane
