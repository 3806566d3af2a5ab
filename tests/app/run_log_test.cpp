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

}  // namespace
}  // namespace corvane
