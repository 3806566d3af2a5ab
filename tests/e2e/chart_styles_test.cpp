// One command line per chart style, run end to end and read back by independent tools.
#include <gtest/gtest.h>

#include "support/pdf_content.h"
#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ParseContent;
using testing::ReadFile;
using testing::RunCorvane;
using testing::RunProcess;
using testing::TempDir;
using testing::Words;

int Count(const std::vector<testing::PdfOp>& ops, const std::string& name) {
  return static_cast<int>(testing::OpsNamed(ops, name).size());
}

TEST(ChartStylesTest, EveryStyleDrawsItsChart) {
  const std::string data = " -Datum A 3 5 -Datum B 7 2 -Datum C 4 6 -Datum D 9 1 -Output chart";
  struct Case {
    std::string commands;
    std::string paintOp;  // the operator that paints the data
    int atLeast;
  } cases[] = {
      {"-Chart Bar V -BarColor #3366CC #99CCFF", "f", 4},
      {"-Chart Bar H -BarColor #3366CC #99CCFF", "f", 4},
      {"-Chart Pie 2D -PieColor #FF0000 -PieColor #00FF00", "f", 4},
      {"-Chart Line Standard", "S", 2},
      {"-Chart Line Stepped", "S", 2},
      {"-Chart Line Curved", "S", 2},
      {"-Chart Area Standard", "f", 1},
      {"-Chart Area Stepped", "f", 1},
      {"-Chart Area Curved", "f", 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto r = RunCorvane(Words(c.commands + data), dir.path());
    ASSERT_EQ(r.exitCode, 0) << c.commands << "\n" << r.out;
    const auto check = RunProcess("/usr/bin/qpdf", {"--check", dir.File("chart.pdf")});
    EXPECT_EQ(check.exitCode, 0) << c.commands << "\n" << check.out;
    const auto ops = ParseContent(testing::PageContent(ReadFile(dir.File("chart.pdf"))));
    EXPECT_GE(Count(ops, c.paintOp), c.atLeast) << c.commands << "\n" << testing::Describe(ops);
    if (c.commands.find("Curved") != std::string::npos) {
      EXPECT_GE(Count(ops, "c"), 3) << c.commands;
    }
  }
}

TEST(ChartStylesTest, TimeValuesDrawOneSeriesWithTimeLabels) {
  TempDir dir;
  dir.Write("laps.csv", "Lap 1,1:30\nLap 2,2:00\nLap 3,1:45\n");
  const auto r = RunCorvane(Words("-Chart Line Standard -Dataset laps.csv -AxesDivisions 2 "
                                  "-AxesLabelY 10 Helvetica 0 0 0 Normal "
                                  "-DataSeriesLegend Below 0 0 0 1 1.0 1.0 1.0 10 Helvetica 0 0 0 Normal "
                                  "-Output laps -DataSeriesLabel Laps"),
                            dir.path());
  ASSERT_EQ(r.exitCode, 0) << r.out;
  const auto ops = ParseContent(testing::PageContent(ReadFile(dir.File("laps.pdf"))));
  // 90000 .. 120000 ms, 10 % below the lowest value: 87000 .. 120000 ms.
  EXPECT_EQ(testing::ShownTexts(ops), (std::vector<std::string>{"Laps", "0:01:27", "0:01:43", "0:02:00"}));
  EXPECT_EQ(Count(ops, "S"), 1);  // the one series line
}

}  // namespace
}  // namespace corvane
