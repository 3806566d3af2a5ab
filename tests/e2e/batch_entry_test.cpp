// A batch run of the built executable against separate runs of the same lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::RunCorvane;
using testing::TempDir;
using testing::Unstamped;

// Every chart of a batch is byte for byte the chart a run of its own draws from the same line,
// and logs the same lines; the lines come from standard input here.
TEST(BatchEntryTest, ChartsAndLinesEqualThoseOfSeparateRuns) {
  const std::vector<std::string> lines = {
      "-Chart Bar V -BarColor #3366CC #99CCFF -Datum North 12.5 -Datum South 8 -Title Sales -Output a",
      "-Chart Line Curved -DatasetColumns Month Sales Costs -Dataset sales.csv -Output b -DataSeriesLegend Below "
      "#888888 0.5 #FFFFFF 10 Helvetica #222222 Normal",
      "-Chart Pie 2D -Dataset missing.csv -Output c",
      "-Options area.txt -Output \"d e\"",
      // Images too; cairo counts the surfaces of an SVG across the process, a batch's as well.
      "-Chart Pie 2D -Datum A 1 -Datum B 2 -Title Shares -Output f.svg",
      "-Chart Bar V -BarColor #3366CC #99CCFF -Datum A 1 -Output g.png",
      "-Chart Pie 2D -Datum A 1 -Datum B 2 -Title Shares -Output h.svg",
  };
  TempDir together, apart;
  for (const TempDir* dir : {&together, &apart}) {
    dir->Write("sales.csv", "\xEF\xBB\xBFMonth,City,Sales,Costs\r\nJan,\"Paris, FR\",12,8\r\nFeb,Lyon,15.5,9\r\n");
    dir->Write("area.txt", "-Chart Area Curved -Area #08519C 1.5 #9ECAE1\n-Datum A 1:30\n-Datum B 2:10.5\n");
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  const auto batch = RunCorvane({"--jobs", "2", "--batch", "-"}, together.path(), {}, text);
  EXPECT_EQ(batch.exitCode, 1) << batch.out;

  std::vector<std::string> expected;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const auto alone = RunCorvane(testing::Words(lines[k]), apart.path());
    EXPECT_EQ(alone.exitCode, k == 2 ? 1 : 0) << lines[k] << "\n" << alone.out;
    expected.push_back("Batch line " + std::to_string(k + 1));
    for (const std::string& line : Unstamped(alone.out)) expected.push_back(line);
  }
  expected.push_back("Batch: 6 of 7 charts saved");
  EXPECT_EQ(Unstamped(batch.out), expected);
  for (const char* pdf : {"a.pdf", "b.pdf", "d e.pdf", "f.svg", "g.png", "h.svg"}) {
    const std::string drawn = ReadFile(together.File(pdf));
    EXPECT_GT(drawn.size(), 300u) << pdf;
    EXPECT_EQ(drawn, ReadFile(apart.File(pdf))) << pdf;
  }
}

}  // namespace
}  // namespace corvane
