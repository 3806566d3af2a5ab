#include "app/run_log.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::TestRun;

TEST(RunLogTest, StampsLinesForOutputAndLogButNotForErrors) {
  TempDir dir;
  TestRun t;
  t.run.log.logFile = dir.File("run.log");
  t.run.log.errorsFile = dir.File("run.err");
  t.run.log.LogMessage("ERROR: No data specified");
  t.run.log.LogMessage("Data items in chart: %d", 2);
  EXPECT_EQ(ReadFile(dir.File("run.log")),
            "14:03:09 ERROR: No data specified\n14:03:09 Data items in chart: 2\n");
  EXPECT_EQ(ReadFile(dir.File("run.err")), "ERROR: No data specified\n");
}

TEST(RunLogTest, OnlyMessagesStartingWithErrorReachTheErrorsFile) {
  TempDir dir;
  TestRun t;
  t.run.log.errorsFile = dir.File("run.err");
  for (const char* message : {"error: lower case", " ERROR: behind a blank", "PDF error 0x1017", "ERROR:x"}) {
    t.run.log.LogMessage("%s", message);
  }
  EXPECT_EQ(ReadFile(dir.File("run.err")), "error: lower case\nERROR:x\n");
}

TEST(RunLogTest, ErrorsOnlyWritesTheBareLineToTheErrorsFileAlone) {
  TempDir dir;
  TestRun t;
  t.run.log.logFile = dir.File("run.log");
  t.run.log.errorsFile = dir.File("run.err");
  t.run.log.ErrorsOnly("0x%04x (%u) %s", 0x1017, 2u, "FILE_OPEN_ERROR");
  EXPECT_EQ(ReadFile(dir.File("run.err")), "0x1017 (2) FILE_OPEN_ERROR\n");
  EXPECT_FALSE(testing::FileExists(dir.File("run.log")));
  EXPECT_TRUE(t.Lines().empty());
}

TEST(LogCommandsTest, StartLineIsTheFirstLineOfTheLog) {
  TempDir dir;
  TestRun t;
  t.run.log.LogMessage("before the log was named");
  EXPECT_EQ(t.Process("-Log \"" + dir.File("my log.txt") + "\" -Foo"), 1);
  EXPECT_EQ(ReadFile(dir.File("my log.txt")),
            "14:03:09 Corvane v1.4 Started\n14:03:09 ERROR: Unknown command [Foo]\n");
}

}  // namespace
}  // namespace corvane
