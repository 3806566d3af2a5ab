#include "commands/data_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// After "no value" the field that could not be read is shown, the label being field 1.
TEST(DatumCommandsTest, ANoValueShowsTheField) {
  struct Case { const char* commands; const char* field; } cases[] = {
      {"-Datum A 1 x", "  field 3 holds [x]"},
      {"-Datum A", "  field 2 holds []"},
      {"-Datum A 1 -Datum B 1:30", "  field 2 holds [1:30]"},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.commands), 1) << c.commands;
    const auto lines = t.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(std::vector(lines.end() - 2, lines.end()), (std::vector<std::string>{"ERROR: Datum - no value", c.field}))
        << c.commands;
  }
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
  // The last n lines logged.
  std::vector<std::string> LastLines(std::size_t n) const {
    const std::vector<std::string> lines = t.Lines();
    return {lines.end() - static_cast<long>(std::min(n, lines.size())), lines.end()};
  }
  // The lines with "{file}" standing for the dataset's path.
  std::vector<std::string> Expected(std::vector<std::string> lines) const {
    for (std::string& line : lines) {
      if (const std::size_t at = line.find("{file}"); at != std::string::npos) line.replace(at, 6, path);
    }
    return lines;
  }

  testing::TempDir dir;
  TestRun t;
  std::string path;
};

TEST_F(DatasetTest, FailingLinesAreReportedWithTheirNumberAndField) {
  struct Case { std::string contents; std::vector<std::string> messages; } cases[] = {
      {"A,1\n\nB,2\nC\n", {"ERROR: no value on line 4 of dataset [{file}]"}},
      {"A,1\nB,3.755.251\n", {"ERROR: invalid value on line 2 of dataset [{file}]", "  field 2 holds [3.755.251]"}},
      // A line is read whole however long, and lines keep the file's numbers.
      {"A,1\nB,1" + std::string(300, ' ') + "2 x\n", {"ERROR: invalid value on line 2 of dataset [{file}]",
                                                       "  field 4 holds [x]"}},
      {"A,1 2 3 4 5 6 7 8 9 10 11\n", {"ERROR: too many data series values (max is 10) on line 1 of dataset [{file}]"}},
      // A value in the other form is reported, then read in the table's form, which fails on it.
      {"A,1\nB,1:30\n", {"ERROR: time value used after non-time value on line 2 of dataset [{file}]",
                          "ERROR: invalid value on line 2 of dataset [{file}]", "  field 2 holds [1:30]"}},
      {"A,1:30\nB,1:30 2:00\n", {"ERROR: invalid value on line 2 of dataset [{file}]", "  field 3 holds [2:00]"}},
      // What a field holds is shown up to 40 characters, and nothing when it is missing.
      {"A,1\nB," + std::string(50, 'x') + "\n", {"ERROR: invalid value on line 2 of dataset [{file}]",
                                                  "  field 2 holds [" + std::string(40, 'x') + "]"}},
      {"A,1\nB, ;note\n", {"ERROR: invalid value on line 2 of dataset [{file}]", "  field 2 holds []"}},
      // A line beyond the bound is reported and the lines after it are not read.
      {"A,1\nB," + std::string(1 << 20, '1') + "\nC\n", {"ERROR: line 2 of dataset [{file}] is longer than 1 MiB"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(c.contents), 1) << c.contents.substr(0, 80);
    EXPECT_EQ(LastLines(c.messages.size()), Expected(c.messages)) << c.contents.substr(0, 80);
  }
}

// Each case: the commands given before -Dataset, the file, and the table it gives (the items,
// then the series labels) or the last lines logged when it fails.
TEST_F(DatasetTest, ReadsTheLinesAsSpreadsheetsWriteThem) {
  struct Case { std::string commands, contents, table; std::vector<std::string> messages; } cases[] = {
      // Values separated by the separator as well as by blanks, blanks around it allowed.
      {"", "Jan,12,15,18\nFeb, 1 ,2 3\n", "Jan=12 15 18|Feb=1 2 3| series 3", {}},
      {"-DataSeparator ;", "Jan;12;15\nFeb ; 1 ; 2\n", "Jan=12 15|Feb =1 2| series 2", {}},
      {"-DataSeparator \"\t\"", "Jan\t12\t15\nFeb\t1\t\t2\n", "Jan=12 15|Feb=1 2| series 2", {}},
      {"-DataSeparator \" | \"", "Jan | 12 | 15\nFeb | 1 |2\n", "Jan=12 15|Feb=1 2| series 2", {}},
      {"-DataSeparator ::", "Jan::1:30\n", "Jan=90000| series 0 time", {}},  // a separator a value can hold
      {"", "South,8 ;note\n", "South=8| series 1", {}},
      {"", "Jan,12,,18\n", "", {"ERROR: invalid value on line 1 of dataset [{file}]", "  field 3 holds []"}},
      {"", "Jan,12,\n", "", {"ERROR: invalid value on line 1 of dataset [{file}]", "  field 3 holds []"}},
      // Quoted labels may hold the separator; a doubled quote is one quote.
      {"", "\"Paris, FR\",12\n\"Say \"\"hi\"\"\" ,3\n", "Paris, FR=12|Say \"hi\"=3| series 1", {}},
      {"-DataSeparator \" | \"", "\"A | B\" | 3\n", "A | B=3| series 1", {}},
      {"", "\"Paris\" FR,12\n", "\"Paris\" FR=12| series 1", {}},  // no separator after the quote
      // A header names the series that no command has named, also after a byte-order mark.
      {"", "Month,Sales,Costs\nJan,1,2\n", "Jan=1 2| series 2 labels Sales|Costs", {}},
      {"", "\xEF\xBB\xBFMonth,\"Sales, net\"\r\nJan,1\r\n", "Jan=1| series 1 labels Sales, net", {}},
      {"-DataSeriesLabel Mine", "Month,Sales,Costs\nJan,1,2\n", "Jan=1 2| series 2 labels Mine|Costs", {}},
      {"", "Q,2024,2025\nQ2,1,2\n", "Q=2024 2025|Q2=1 2| series 2", {}},  // numbers are no names
      {"-DatasetHeader Yes", "Q,2024,2025\nQ2,1,2\n", "Q2=1 2| series 2 labels 2024|2025", {}},
      {"-DatasetHeader No", "Month,Sales\n", "",
       {"ERROR: invalid value on line 1 of dataset [{file}]", "  field 2 holds [Sales]"}},
      {"-Datum X 1", "Month,Sales\n", "",  // not the first data of the chart
       {"ERROR: invalid value on line 1 of dataset [{file}]", "  field 2 holds [Sales]"}},
      // Columns by header name or by position; the other fields are passed over.
      {"-DatasetColumns month Sales", "Month,City,Sales\nJan,\"Paris, FR\",12\n", "Jan=12| series 1 labels Sales",
       {}},
      {"-DatasetColumns City 4 Sales", "Month,City,Sales,Costs\nJan,\"Paris, FR\",12,3\n",
       "Paris, FR=3 12| series 2 labels Costs|Sales", {}},
      {"-DatasetColumns 2 3 1", "7,Anna,12\n", "Anna=12 7| series 2", {}},
      {"-DataSeparator \"\t\" -DatasetColumns 1 3", "A\t\t1\n", "A=1| series 1", {}},
      {"-DatasetColumns 1 2", "Lap 1,4:52.3,x\n", "Lap 1=292300| series 0 time .", {}},
      {"-DatasetColumns Month Profit", "Month,Sales\nJan,1\n", "", {"ERROR: no column [Profit] in dataset [{file}]"}},
      {"-DatasetColumns Month 2", "Jan,1\n", "", {"ERROR: no column [Month] in dataset [{file}]"}},
      {"-DatasetColumns 1 5", "Jan,1\n", "", {"ERROR: line 1 of dataset [{file}] has no field 5"}},
      {"-DatasetColumns 1 3", "A,1,2\nB,x,\n", "",
       {"ERROR: invalid value on line 2 of dataset [{file}]", "  field 3 holds []"}},
      {"-DatasetColumns 1 2 3", "A,1,2\nB,1,2 3\n", "",
       {"ERROR: invalid value on line 2 of dataset [{file}]", "  field 3 holds [2 3]"}},
      {"-Datum X 1 -DatasetColumns 1 2 3", "A,1,2\n", "",
       {"ERROR: different number of data series values (expected 1) on line 1 of dataset [{file}]"}},
      {"-DatasetColumns 1 3 2", "A,1,1:30\n", "",
       {"ERROR: invalid value on line 1 of dataset [{file}]", "  field 2 holds [1]"}},
  };
  for (const Case& c : cases) {
    t.settings = ChartSettings{};
    t.settings.Chart.style = ChartStyle::kLineStandard;
    t.data = DataTable{};
    ASSERT_EQ(t.Process(c.commands), 0) << c.commands;
    path = dir.Write("data.csv", c.contents);
    const int result = t.Process("-Dataset \"" + path + "\"");
    if (c.table.empty()) {
      EXPECT_EQ(result, 1) << c.commands << " | " << c.contents;
      EXPECT_EQ(LastLines(c.messages.size()), Expected(c.messages)) << c.commands << " | " << c.contents;
      continue;
    }
    EXPECT_EQ(result, 0) << c.commands << " | " << c.contents << ": " << t.LastLine();
    std::string labels;
    for (const std::string& label : t.settings.DataSeriesLabel) {
      if (!label.empty()) labels += (labels.empty() ? " labels " : "|") + label;
    }
    EXPECT_EQ(Table(t.data) + labels, c.table) << c.commands << " | " << c.contents;
  }
}

TEST_F(DatasetTest, LogsTheHeaderAndCutsLongLabels) {
  EXPECT_EQ(Read("Month,Sales," + std::string(120, 'S') + "\n" + std::string(60, 'L') + ",3,4\n"), 0)
      << t.LastLine();
  EXPECT_EQ(t.Lines().front(), "Dataset [" + path + "]: header line 1 names 2 series");
  EXPECT_EQ(t.data.items[0].label, std::string(50, 'L'));
  EXPECT_EQ(t.settings.DataSeriesLabel[1], std::string(100, 'S'));
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
      EXPECT_EQ(LastLines(2), (std::vector<std::string>{"ERROR: Dataset - too much data",
                                                        "  a chart holds at most 1000 items"}));
    }
  }
  // A table already full takes nothing from a file of blank lines, and refuses an item.
  EXPECT_EQ(t.Process("-Dataset \"" + dir.Write("blank.csv", "\n\r\n") + "\""), 0);
  EXPECT_EQ(t.Process("-Dataset \"" + dir.Write("one.csv", "A,1") + "\""), 1);
}

}  // namespace
}  // namespace corvane
