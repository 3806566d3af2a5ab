#include "model/data_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

struct Row {
  std::string label;
  double first;
  double second;
};

DataTable TableOf(const std::vector<Row>& rows, int field, int order) {
  DataTable table;
  for (const Row& row : rows) {
    DataItem& item = table.items[table.count++];
    item.label = row.label;
    item.values[0] = row.first;
    item.values[1] = row.second;
  }
  table.DataSort.field = field;
  table.DataSort.order = order;
  return table;
}

std::string Labels(const DataTable& table) {
  std::string labels;
  for (int i = 0; i < table.count; ++i) labels += table.items[i].label + " ";
  return labels;
}

TEST(SortDataTest, OrdersRowsByTheRequestedKey) {
  const std::vector<Row> fruit = {{"cherry", 2, 20}, {"apple", 3, 30}, {"Banana", 1, 10}};
  const std::vector<Row> laps = {{"L1", 90000, 900000}, {"L2", 3723500, 37235000}, {"L3", 59250, 592500}};
  struct Case {
    const std::vector<Row>& rows;
    int field;
    int order;
    const char* labels;
  } cases[] = {
      {fruit, 0, 0, "cherry apple Banana "},  // no sort: the given order
      {fruit, 1, 1, "apple Banana cherry "},  // letter case ignored
      {fruit, 1, 2, "cherry Banana apple "},
      {fruit, 2, 1, "Banana cherry apple "},
      {fruit, 2, 2, "apple cherry Banana "},
      {laps, 2, 2, "L2 L1 L3 "},  // the longest duration first
  };
  for (const Case& c : cases) {
    DataTable table = TableOf(c.rows, c.field, c.order);
    SortData(table);
    EXPECT_EQ(Labels(table), c.labels) << c.field << "/" << c.order;
    // Whole rows move: every label keeps its own values.
    for (int i = 0; i < table.count; ++i) {
      EXPECT_EQ(table.items[i].values[1], table.items[i].values[0] * 10) << table.items[i].label;
    }
  }
}

TEST(SortDataTest, EqualKeysCompareEqualAndRowsBeyondCountStay) {
  DataTable table = TableOf({{"APPLE", 5, 0}, {"apple", 5, 0}, {"b", 1, 0}}, 1, 1);
  EXPECT_EQ(CompareItems(table, table.items[0], table.items[1]), 0);
  table.count = 2;
  SortData(table);
  EXPECT_EQ(table.items[2].label, "b");
}

}  // namespace
}  // namespace corvane
