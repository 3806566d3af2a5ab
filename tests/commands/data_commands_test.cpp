#include "commands/data_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TempDir;
using testing::TestRun;
using Lines = std::vector<std::string>;

TEST(DataCommandsTest, FailuresAndTheirMessages) {
  struct Case {
    std::string text;
    Lines lines;
  } cases[] = {
      {"-Datum", {"ERROR: Datum - no label"}},
      {"-Datum " + std::string(51, 'x') + " 1", {"ERROR: Datum - label too long"}},
      {"-Datum A", {"ERROR: Datum - no value"}},
      {"-Datum A 5x", {"ERROR: Datum - no value"}},
      {"-Datum A 1 2 3 4 5 6 7 8 9 10 11", {"ERROR: Datum - too many data series values (max is 10)"}},
      {"-datum Q1 10 20 -datum Q2 30", {"ERROR: Datum - different number of data series values (expected 2)"}},
      {"-Datum A 5 -Datum2 6 -Datum B 7", {"ERROR: Datum - different number of data series values (expected 2)"}},
      {"-Datum A 5 -Datum B 1:30",
       {"ERROR: Datum - time value used after non-time value", "ERROR: Datum - no value"}},
      {"-Datum A 1:30 -Datum B 5", {"ERROR: Datum - not time value", "ERROR: Datum - no value"}},
      {"-Datum A 1:30 -Datum B 61:00", {"ERROR: Datum - no value"}},
      {"-Datum A 1:30 -Datum2 0:10 -Datum B 2:00",
       {"ERROR: Datum - different number of data series values (expected 2)"}},
      {"-Datum A 5 -x", {"ERROR: Unknown command [x]"}},  // a minus and a letter end the list
      {"-Datum A 1:30 2:00", {"ERROR: No command character [2:00]"}},
      {"-Datum2 5", {"ERROR: Datum2 - cannot set until -Datum has been used"}},
      {"-Datum A 5 -Datum10", {"ERROR: Datum10 - no value"}},
      {"-Datum A 5 -Datum3 1:30",
       {"ERROR: Datum3 - time value used after non-time value", "ERROR: Datum3 - no value"}},
      {"-Datum A 1:30 -Datum2 7", {"ERROR: Datum2 - not time value", "ERROR: Datum2 - no value"}},
      {"-DataSort", {"ERROR: DataSort - field not specified"}},
      {"-DataSort " + std::string(21, 'F') + " A", {"ERROR: DataSort - field too long"}},
      {"-DataSort Third A", {"ERROR: DataSort - unknown field"}},
      {"-DataSort F", {"ERROR: DataSort - sort order not specified"}},
      {"-DataSort F " + std::string(21, 'A'), {"ERROR: DataSort - sort order too long"}},
      {"-DataSort F Up", {"ERROR: DataSort - unknown sort order"}},
      {"-DataSeparator", {"ERROR: DataSeparator - not specified"}},
      {"-DataSeparator 123456789012", {"ERROR: DataSeparator - too long"}},
      {"-Dataset x.csv", {"ERROR: Dataset - Type and/or Style not specified"}},
      {"-Dataset", {"ERROR: Dataset - no filename"}},
      {"-Dataset " + std::string(261, 'f'), {"ERROR: Dataset - filename too long"}},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.text), 1) << c.text;
    EXPECT_EQ(t.Lines(), c.lines) << c.text;
  }
}

// The table's items as "label=value value|...", with as many values as are drawn.
std::string Items(const DataTable& data) {
  std::ostringstream out;
  out.precision(15);
  for (int i = 0; i < data.count; ++i) {
    out << data.items[i].label << "=";
    for (int s = 0; s < data.SeriesToDraw(); ++s) out << (s > 0 ? " " : "") << data.items[i].values[s];
    out << "|";
  }
  return out.str();
}

TEST(DataCommandsTest, DatumStoresItemsAndTableFlags) {
  struct Case {
    std::string text;
    std::string items;
    int seriesCount;
    bool timeValues;
    bool decimalSeen;
  } cases[] = {
      {"-Datum North 12.5 -Datum South 8", "North=12.5|South=8|", 1, false, true},
      {"-DATUM \"North East\" -5 +3 ;x", "North East=-5 3|", 2, false, false},
      {"-Datum A 5 -Datum2 6.5 -Datum B 7 8", "A=5 6.5|B=7 8|", 2, false, true},
      {"-Datum A 1 -datum10 9", "A=1 0 0 0 0 0 0 0 0 9|", 10, false, false},
      {"-Datum " + std::string(50, 'L') + " 1", std::string(50, 'L') + "=1|", 1, false, false},
      {"-Datum A 1:30 -Datum B 1:02:03.5", "A=90000|B=3723500|", 0, true, true},
      {"-Datum A 1:30 -Datum2 0:45", "A=90000 45000|", 2, true, false},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.text), 0) << c.text << ": " << t.LastLine();
    EXPECT_EQ(Items(t.data), c.items) << c.text;
    EXPECT_EQ(t.data.seriesCount, c.seriesCount) << c.text;
    EXPECT_EQ(t.data.timeValues, c.timeValues) << c.text;
    EXPECT_EQ(t.data.decimalSeen, c.decimalSeen) << c.text;
  }
}

TEST(DataCommandsTest, SortAndSeparatorSettings) {
  TestRun t;
  EXPECT_EQ(t.Process("-datasort 2nd desc -DataSeparator \"; \""), 0);
  EXPECT_EQ(std::make_pair(t.data.DataSort.field, t.data.DataSort.order), std::make_pair(2, 2));
  EXPECT_EQ(t.settings.DataSeparator, "; ");
  EXPECT_EQ(t.Process("-DataSort F A"), 0);
  EXPECT_EQ(std::make_pair(t.data.DataSort.field, t.data.DataSort.order), std::make_pair(1, 1));
}

TEST(DataCommandsTest, DatumStopsAtAFullTable) {
  std::string text;
  for (int i = 0; i < kMaxItems; ++i) text += "-Datum I" + std::to_string(i) + " " + std::to_string(i) + " ";
  TestRun t;
  EXPECT_EQ(t.Process(text), 0);
  EXPECT_EQ(t.data.count, kMaxItems);
  EXPECT_EQ(t.Process("-Datum Extra 1"), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: Datum - too many");
}

// A run with a line chart chosen, so -Dataset may be used, and a folder for its files.
class DatasetTest : public ::testing::Test {
 protected:
  DatasetTest() { t.settings.Chart.style = kStyleLineStandard; }
  int Read(const std::string& contents) {
    path = dir.Write("data.csv", contents);
    return t.Process("-Dataset \"" + path + "\"");
  }
  std::string OnLine(int line) const { return " on line " + std::to_string(line) + " of dataset [" + path + "]"; }

  TempDir dir;
  TestRun t;
  std::string path;
};

TEST_F(DatasetTest, FailingLinesAreReportedWithTheirNumber) {
  struct Case {
    std::string contents;
    int line;
    Lines messages;  // each followed by the line and file
    int count;       // items appended before the failing line
  } cases[] = {
      {"A,1\n\nB,2\nC\n", 4, {"ERROR: no value"}, 2},
      {"A,x\n", 1, {"ERROR: invalid value"}, 0},
      {"A,\n", 1, {"ERROR: invalid value"}, 0},
      {"A,1 2 3 4 5 6 7 8 9 10 11\n", 1, {"ERROR: too many data series values (max is 10)"}, 0},
      {"A,1 2\r\nB,3\r\n", 2, {"ERROR: different number of data series values (expected 2)"}, 1},
      {"A,5\nB,1:30\n", 2, {"ERROR: time value used after non-time value", "ERROR: invalid value"}, 1},
      {"A,1:30\nB,5\n", 2, {"ERROR: value not time value", "ERROR: invalid value"}, 1},
      {"A,1:30 2:00\n", 1, {"ERROR: invalid value"}, 0},
      // A 199-character line arrives in two reads of which the second has no separator.
      {"A,1" + std::string(195, ' ') + "2\nB,3\n", 2, {"ERROR: no value"}, 1},
      // A 198-character line is one read; its newline arrives as an empty second line.
      {"A,1" + std::string(195, ' ') + "\nB\n", 3, {"ERROR: no value"}, 1},
  };
  for (const Case& c : cases) {
    t.data = DataTable{};
    const std::size_t before = t.Lines().size();
    EXPECT_EQ(Read(c.contents), 1) << c.contents;
    Lines expected;
    for (const std::string& message : c.messages) expected.push_back(message + OnLine(c.line));
    const Lines all = t.Lines();
    EXPECT_EQ(Lines(all.begin() + before, all.end()), expected) << c.contents;
    EXPECT_EQ(t.data.count, c.count) << c.contents;
  }
}

TEST_F(DatasetTest, ReadsItemsWithTheSeparator) {
  EXPECT_EQ(Read("North,12.5\r\n\r\nSouth,8 ;note\r\n" + std::string(60, 'L') + ",3"), 0) << t.LastLine();
  // The long label is cut without a message.
  EXPECT_EQ(Items(t.data), "North=12.5|South=8|" + std::string(50, 'L') + "=3|");
  EXPECT_TRUE(t.data.decimalSeen);
  EXPECT_TRUE(t.Lines().empty());

  EXPECT_EQ(t.Process("-DataSeparator \" | \""), 0);
  EXPECT_EQ(Read("East Side | 1:02:03.5 \n"), 1);  // time after numbers, across commands
  t.data = DataTable{};
  EXPECT_EQ(Read("East Side | 1:02:03.5 \n"), 0) << t.LastLine();
  EXPECT_EQ(Items(t.data), "East Side=3723500|");
  EXPECT_TRUE(t.data.timeValues);
}

TEST_F(DatasetTest, OpeningFailures) {
  const std::string missing = dir.File("missing.csv");
  EXPECT_EQ(t.Process("-Dataset " + missing), 1);
  EXPECT_EQ(t.LastLine(), "ERROR: Dataset - could not open [" + missing + "], error=2");
}

TEST_F(DatasetTest, FullTable) {
  std::string lines;
  for (int i = 0; i < kMaxItems; ++i) lines += "I" + std::to_string(i) + "," + std::to_string(i) + "\n";
  struct Case {
    std::string contents;
    int result;
  } cases[] = {
      {lines.substr(0, lines.size() - 1), 0},  // the file ends with the last item
      {lines, 1},                              // a line end after it: not yet at the end
      {lines + "Extra,1\n", 1},
  };
  for (const Case& c : cases) {
    t.data = DataTable{};
    EXPECT_EQ(Read(c.contents), c.result);
    EXPECT_EQ(t.data.count, kMaxItems);
    EXPECT_EQ(t.data.items[kMaxItems - 1].values[0], kMaxItems - 1);
    if (c.result == 1) {
      EXPECT_EQ(t.LastLine(), "ERROR: Dataset - too much data");
    }
  }
  // A table that is already full takes nothing from the file and says nothing.
  const std::size_t before = t.Lines().size();
  EXPECT_EQ(Read("not even a data line\n"), 0);
  EXPECT_EQ(t.Lines().size(), before);
}

}  // namespace
}  // namespace corvane
