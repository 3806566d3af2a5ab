#include "commands/data_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// The table as "label=value value|...", with as many values as are drawn, then its flags.
std::string Table(const DataTable& data) {
  std::ostringstream out;
  out.precision(15);
  for (int i = 0; i < data.count; ++i) {
    out << data.items[i].label << "=";
    for (int s = 0; s < data.SeriesToDraw(); ++s) out << (s > 0 ? " " : "") << data.items[i].values[s];
    out << "|";
  }
  out << " series " << data.seriesCount << (data.timeValues ? " time" : "") << (data.decimalSeen ? " ." : "");
  return out.str();
}

TEST(DatumCommandsTest, StoreItemsWithTheirSeriesCountAndForm) {
  TestRun numbers, times;
  ASSERT_EQ(numbers.Process("-Datum A 1 -datum10 9"), 0) << numbers.LastLine();
  EXPECT_EQ(Table(numbers.data), "A=1 0 0 0 0 0 0 0 0 9| series 10");
  ASSERT_EQ(times.Process("-Datum A 1:30 -Datum B 1000:00:00.005"), 0) << times.LastLine();
  EXPECT_EQ(Table(times.data), "A=90000|B=3600000005| series 0 time .");  // beyond 32 bits
}

// A run with a line chart chosen, so -Dataset may be used, and a folder for its files.
class DatasetTest : public ::testing::Test {
 protected:
  DatasetTest() { t.settings.Chart.style = ChartStyle::kLineStandard; }
  int Read(const std::string& contents) {
    t.data = DataTable{};
    path = dir.Write("data.csv", contents);
    return t.Process("-Dataset \"" + path + "\"");
  }

  testing::TempDir dir;
  TestRun t;
  std::string path;
};

TEST_F(DatasetTest, FailingLinesAreReportedWithTheirNumber) {
  // The last lines logged, each going on with " of dataset [...]".
  struct Case { std::string contents; std::vector<std::string> messages; } cases[] = {
      {"A,1\n\nB,2\nC\n", {"ERROR: no value on line 4"}},
      {"A,1\nB,3.755.251\n", {"ERROR: invalid value on line 2"}},  // not 3.755
      // A 199-character line arrives in two reads of which the second has no separator.
      {"A,1" + std::string(195, ' ') + "2\nB,3\n", {"ERROR: no value on line 2"}},
      // A 198-character line is one read; its newline arrives as an empty second line.
      {"A,1" + std::string(195, ' ') + "\nB\n", {"ERROR: no value on line 3"}},
      {"A,1 2 3 4 5 6 7 8 9 10 11\n", {"ERROR: too many data series values (max is 10) on line 1"}},
      // A value in the other form is reported, then read in the table's form, which fails on it.
      {"A,1\nB,1:30\n",
       {"ERROR: time value used after non-time value on line 2", "ERROR: invalid value on line 2"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.contents), 1) << c.contents;
    std::vector<std::string> expected;
    for (const std::string& message : c.messages) expected.push_back(message + " of dataset [" + path + "]");
    const std::vector<std::string> lines = t.Lines();
    EXPECT_EQ(std::vector(lines.end() - static_cast<long>(expected.size()), lines.end()), expected) << c.contents;
  }
}

TEST_F(DatasetTest, ReadsItemsWithTheSeparatorAndCutsLongLabels) {
  // A spreadsheet's byte-order mark is no part of the first label.
  EXPECT_EQ(Read("\xEF\xBB\xBFNorth,12.5\r\n\r\nSouth,8 ;note\r\n" + std::string(60, 'L') + ",3"), 0)
      << t.LastLine();
  EXPECT_EQ(Table(t.data), "North=12.5|South=8|" + std::string(50, 'L') + "=3| series 1 .");
  EXPECT_EQ(t.Process("-DataSeparator \" | \""), 0);
  EXPECT_EQ(Read("East Side | 1:02:03.5 \n"), 0) << t.LastLine();
  EXPECT_EQ(Table(t.data), "East Side=3723500| series 0 time .");
}

// Only an item line that finds the table full is too much data; a file that just fills it,
// with its line end and blank lines after, is not.
TEST_F(DatasetTest, TooMuchDataIsAnItemBeyondTheThousandth) {
  std::string items;
  for (int i = 1; i < kMaxItems; ++i) (items += "I") += std::to_string(i) + ",1\n";
  struct Case { std::string before, contents; int result; } cases[] = {
      {"", "I0,0\n" + items, 0},
      {"-Datum I0 0", items + "\n\r\n\n", 0},
      {"", "I0,0\n" + items + "\nextra,1", 1},
      {"-Datum I0 0", items + "\n; extra\n", 1},
  };
  for (const Case& c : cases) {
    t.data = DataTable{};
    ASSERT_EQ(t.Process(c.before), 0);
    path = dir.Write("data.csv", c.contents);
    EXPECT_EQ(t.Process("-Dataset \"" + path + "\""), c.result) << c.before << " " << c.result;
    EXPECT_EQ(t.data.count, kMaxItems);
    if (c.result == 1) {
      EXPECT_EQ(t.LastLine(), "ERROR: Dataset - too much data");
    }
  }
  // A table already full takes nothing from a file of blank lines, and refuses an item.
  EXPECT_EQ(t.Process("-Dataset \"" + dir.Write("blank.csv", "\n\r\n") + "\""), 0);
  EXPECT_EQ(t.Process("-Dataset \"" + dir.Write("one.csv", "A,1") + "\""), 1);
}

}  // namespace
}  // namespace corvane
