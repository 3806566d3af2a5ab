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

// Every letter with a case ignores it; Windows-1252 keeps its order, other letters follow by code
// point; rows with equal keys keep the order they were given in.
TEST(SortDataTest, LabelsInAnyScriptSortStably) {
  // ωμέγα, Άλφα, zeta, ÉCOLE, école, Ёж, ёлка, ΩΜΈΓΑ, Zeta
  const char* given[] = {"\xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", "\xCE\x86\xCE\xBB\xCF\x86\xCE\xB1", "zeta",
                         "\xC3\x89" "COLE", "\xC3\xA9" "cole", "\xD0\x81\xD0\xB6", "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0",
                         "\xCE\xA9\xCE\x9C\xCE\x88\xCE\x93\xCE\x91", "Zeta"};
  const std::string sorted[] = {"zeta", "Zeta", "\xC3\x89" "COLE", "\xC3\xA9" "cole",
                                "\xCE\x86\xCE\xBB\xCF\x86\xCE\xB1", "\xCF\x89\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1",
                                "\xCE\xA9\xCE\x9C\xCE\x88\xCE\x93\xCE\x91", "\xD0\x81\xD0\xB6", "\xD1\x91\xD0\xBB\xD0\xBA\xD0\xB0"};
  DataTable table;
  for (const char* label : given) table.Append().label = label;
  table.DataSort = {SortField::kFirst, SortOrder::kAscending};
  SortData(table);
  for (int i = 0; i < table.count; ++i) EXPECT_EQ(table.items[i].label, sorted[i]) << i;
}

}  // namespace
}  // namespace corvane
