#include "app/batch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::Unstamped;

struct BatchResult {
  int exitCode = -1;
  std::vector<std::string> lines;    // standard output, unstamped
  std::vector<std::string> flushed;  // the files handed to the flush
};

// Runs the batch file's text in-process, "{dir}" in it standing for the folder, with a flush
// that records the files it is given and fails with flushError.
BatchResult RunLines(const TempDir& dir, std::string text, int jobs, int flushError = 0) {
  text = std::regex_replace(text, std::regex("\\{dir\\}"), dir.path());
  int error = 0;
  auto file = TextFileReader::Open(dir.Write("batch.txt", text), error);
  BatchResult result;
  BatchOptions options;
  options.jobs = jobs;
  if (const char* trace = std::getenv("CORVANE_MESSAGE_TRACE")) options.traceFile = trace;
  options.flush = [&](const std::vector<std::string>& paths) {
    result.flushed.insert(result.flushed.end(), paths.begin(), paths.end());
    return flushError;
  };
  const testing::FixedClock clock;
  std::FILE* out = std::tmpfile();
  result.exitCode = RunBatch(clock, out, *file, options);
  std::fflush(out);
  result.lines = Unstamped(ReadFile("/proc/self/fd/" + std::to_string(fileno(out))));
  std::fclose(out);
  return result;
}

// Each chart's lines are those of its own run behind "Batch line %d"; comments and blank lines
// are no charts, a failing chart stops none after it, and the files saved are flushed at the end.
TEST(BatchTest, AFailingLineStopsNoOther) {
  TempDir dir;
  dir.Write("d.csv", "Month,Sales\nJan,1\n");
  const BatchResult r = RunLines(dir,
                                 "# sales\n"
                                 "-Chart Pie 2D -Datum A 1 -Output {dir}/one\n"
                                 "   \n"
                                 "-Chart Foo\n"
                                 "-Chart Line Standard -Dataset {dir}/d.csv -Output {dir}/two\n",
                                 2);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.lines, (std::vector<std::string>{
                         "Batch line 2",
                         "Chart type: Pie 2D",
                         "Data items in chart: 1",
                         "Creating PDF structure in memory...",
                         "Saving PDF to [" + dir.File("one.pdf") + "]",
                         "Save complete",
                         "Finished",
                         "Batch line 4",
                         "ERROR: Chart - unknown chart type",
                         "Finished",
                         "Batch line 5",
                         "Chart type: Line Standard",
                         "Dataset [" + dir.File("d.csv") + "]: header line 1 names 1 series",
                         "Data items in chart: 1",
                         "Creating PDF structure in memory...",
                         "Saving PDF to [" + dir.File("two.pdf") + "]",
                         "Save complete",
                         "Finished",
                         "Batch: 2 of 3 charts saved",
                     }));
  EXPECT_EQ(r.flushed, (std::vector<std::string>{dir.File("one.pdf"), dir.File("two.pdf")}));
  EXPECT_TRUE(std::filesystem::exists(dir.File("two.pdf")));
}

// Charts of every cost, some failing, all logging to one file: with two jobs the slow ones end
// after the quick ones behind them, yet standard output, the log and the errors file are those
// of one job, apart from the stamps.
TEST(BatchTest, TwoJobsLogAsOne) {
  TempDir dir;
  std::string items;
  for (int i = 0; i < 1000; ++i) items += "I" + std::to_string(i) + "," + std::to_string(i % 17) + " 3 4\n";
  dir.Write("big.csv", items);
  std::string text;
  for (int k = 0; k < 12; ++k) {
    // PDFs, and a PNG and an SVG, which cairo, fontconfig and FreeType draw.
    const std::string extension = k == 1 ? ".png" : k == 5 ? ".svg" : "";
    const std::string files =
        " -Log {dir}/run.log -Errors {dir}/run.err -Output {dir}/c" + std::to_string(k) + extension;
    if (k % 4 == 0) text += "-Chart Line Curved -Dataset {dir}/big.csv" + files + " -LineMarker FilledCircle #000000 3";
    if (k % 4 == 1) text += "-Chart Bar V -BarColor #3366CC #99CCFF -Datum A 1" + files;
    if (k % 4 == 2) text += "-Chart Pie 2D" + files;  // no data
    if (k % 4 == 3) text += files + " -Chart Area Standard -Datum A x";
    text += "\n";
  }
  std::vector<std::string> out[2], log[2], errors[2];
  for (int jobs : {1, 2}) {
    const BatchResult r = RunLines(dir, text, jobs);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.lines.back(), "Batch: 6 of 12 charts saved");
    out[jobs - 1] = r.lines;
    log[jobs - 1] = Unstamped(ReadFile(dir.File("run.log")));
    errors[jobs - 1] = Unstamped(ReadFile(dir.File("run.err")));
    std::filesystem::remove(dir.File("run.log"));
    std::filesystem::remove(dir.File("run.err"));
  }
  EXPECT_EQ(out[1], out[0]);
  EXPECT_EQ(log[1], log[0]);
  EXPECT_EQ(errors[1], errors[0]);
  EXPECT_EQ(log[0].size(), 6u * 6 + 3u * 3 + 3u * 5);
}

TEST(BatchTest, AFailedFlushOrAnOverlongLineFailsTheBatch) {
  TempDir dir;
  const std::string chart = "-Chart Pie 2D -Datum A 1 -Output {dir}/one\n";
  BatchResult r = RunLines(dir, chart, 1, EIO);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(std::vector(r.lines.end() - 2, r.lines.end()),
            (std::vector<std::string>{"ERROR: Batch - could not flush the saved charts to disk, error=5",
                                      "Batch: 1 of 1 charts saved"}));
  r = RunLines(dir, "-Title " + std::string(1 << 20, 'x') + "\n" + chart, 1);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(std::vector(r.lines.begin(), r.lines.begin() + 3),
            (std::vector<std::string>{"Batch line 1", "ERROR: Batch - line 1 is longer than 1 MiB", "Batch line 2"}));
  EXPECT_EQ(r.lines.back(), "Batch: 1 of 2 charts saved");
  EXPECT_EQ(RunLines(dir, "# nothing\n", 1).lines, std::vector<std::string>{"Batch: 0 of 0 charts saved"});
  // The batch's standard output carries its log: a chart cannot write its document there.
  r = RunLines(dir, "-Chart Pie 2D -Datum A 1 -Output -\n", 1);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.lines[3], "ERROR: Output - a chart of a batch cannot write to standard output");
}

}  // namespace
}  // namespace corvane
