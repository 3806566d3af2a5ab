#include "app/run_log.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;

// Standard output and the log take every line stamped; the errors file takes, unstamped, the
// lines that start with "ERROR:" in any case, and those written for it alone.
TEST(RunLogTest, StampsLinesForOutputAndLogButNotForErrors) {
  testing::TempDir dir;
  testing::TestRun t;
  t.run.log.logFile = dir.File("run.log");
  t.run.log.errorsFile = dir.File("run.err");
  t.run.log.LogMessage("Data items in chart: %d", 2);
  for (const char* message :
       {"ERROR: No data specified", "error: lower case", " ERROR: behind a blank", "ERROR:x"}) {
    t.run.log.LogMessage("%s", message);
  }
  t.run.log.ErrorsOnly("0x%04x (%u) %s", 0x1017, 2u, "FILE_OPEN_ERROR");
  EXPECT_EQ(ReadFile(dir.File("run.log")),
            "14:03:09 Data items in chart: 2\n14:03:09 ERROR: No data specified\n14:03:09 error: lower case\n"
            "14:03:09  ERROR: behind a blank\n14:03:09 ERROR:x\n");
  EXPECT_EQ(ReadFile(dir.File("run.err")),
            "ERROR: No data specified\nerror: lower case\nERROR:x\n0x1017 (2) FILE_OPEN_ERROR\n");
  EXPECT_EQ(t.Lines().size(), 5u);
}

// A text with line ends or terminal controls (a file name, an options file's line) cannot forge
// a line or reach a terminal: every control but the tab is written as an escape, everywhere.
TEST(RunLogTest, WritesControlCharactersAsEscapes) {
  testing::TempDir dir;
  testing::TestRun t;
  t.run.log.logFile = dir.File("run.log");
  t.run.log.errorsFile = dir.File("run.err");
  t.run.log.LogMessage("ERROR: Options - could not open [%s], error=%d", "x]\n02:00:00 ERROR: y [\r\x1b[2J", 2);
  t.run.log.LogMessage("Saving PDF to [%s]", "a\tb\x7f\x9d\x9c\x01.pdf");
  t.run.log.ErrorsOnly("%s", "0x1017 (2)\nforged");
  const std::string error = "ERROR: Options - could not open [x]\\n02:00:00 ERROR: y [\\r\\x1B[2J], error=2";
  // 0x9C is a letter (oe), written in UTF-8 as the rest of the line.
  const std::string saving = "Saving PDF to [a\tb\\x7F\\x9D\xC5\x93\\x01.pdf]";
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{error, saving}));
  EXPECT_EQ(ReadFile(dir.File("run.log")), "14:03:09 " + error + "\n14:03:09 " + saving + "\n");
  EXPECT_EQ(ReadFile(dir.File("run.err")), error + "\n0x1017 (2)\\nforged\n");
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

std::string Contents(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  return text;
}

// Until the command text has been read, lines for standard output wait; then they go, in
// order, to standard output or standard error, and the lines after them too. The log file
// takes each line at once.
TEST(RunLogTest, HeldLinesGoInOrderToTheStreamChosen) {
  testing::TempDir dir;
  const testing::FixedClock clock;
  for (const bool toError : {false, true}) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    {
      RunLog log(clock, out, err);
      log.logFile = dir.File(toError ? "b.log" : "a.log");
      log.HoldStandardOutput();
      log.LogMessage("Chart type: %s", "Bar V");
      EXPECT_EQ(Contents(out) + Contents(err), "");
      EXPECT_EQ(ReadFile(log.logFile), "14:03:09 Chart type: Bar V\n");
      log.ReleaseStandardOutput(toError);
      log.LogMessage("Finished");
    }
    const std::string lines = "14:03:09 Chart type: Bar V\n14:03:09 Finished\n";
    EXPECT_EQ(std::pair(Contents(out), Contents(err)), toError ? std::pair(std::string(), lines)
                                                               : std::pair(lines, std::string()));
    std::fclose(out);
    std::fclose(err);
  }
}

}  // namespace
}  // namespace corvane
