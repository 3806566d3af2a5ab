#include "model/data_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace corvane {
namespace {

TEST(SortDataTest, OrdersWholeRowsByLabelIgnoringCaseOrByValue) {
  using enum SortField;
  using enum SortOrder;
  struct Case { SortField field; SortOrder order; const char* labels; } cases[] = {
      {kFirst, kAscending, "apple Banana cherry "}, {kFirst, kDescending, "cherry Banana apple "},
      {kSecond, kAscending, "Banana cherry apple "}, {kSecond, kDescending, "apple cherry Banana "},
  };
  const std::pair<const char*, double> rows[] = {{"cherry", 2}, {"apple", 3}, {"Banana", 1}};
  for (const Case& c : cases) {
    DataTable table;
    for (const auto& [label, value] : rows) {
      DataItem& item = table.Append();
      item.label = label;
      item.values = {value, value * 10};
    }
    table.DataSort = {c.field, c.order};
    SortData(table);
    std::string labels;
    for (int i = 0; i < table.count; ++i) {
      labels += table.items[i].label + " ";
      EXPECT_EQ(table.items[i].values[1], table.items[i].values[0] * 10) << "rows move whole";
    }
    EXPECT_EQ(labels, c.labels);
  }
}

}  // namespace
}  // namespace corvane
