#include "commands/options_command.h"

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TempDir;
using testing::TestRun;

TEST(OptionsCommandTest, ProcessesEveryLineAndComment) {
  TempDir dir;
  const std::string inner = dir.Write("inner.txt", "-Log " + dir.File("inner.log") + "\r\n");
  const std::string outer = dir.Write("outer.txt", "; a comment\n\n   \n-Options " + inner + " ; trailing\n-Errors " +
                                                       dir.File("e.txt") + "\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + outer), 0);
  EXPECT_EQ(t.run.log.errorsFile, dir.File("e.txt"));
  EXPECT_EQ(t.run.log.logFile, dir.File("inner.log"));
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{
                           "Processing options file [" + outer + "]...",
                           "Processing options file [" + inner + "]...",
                           "Corvane v1.4 Started",
                           "Completed processing options file [" + inner + "]",
                           "Completed processing options file [" + outer + "]",
                       }));
}

TEST(OptionsCommandTest, AFailingLineStopsEveryLevel) {
  TempDir dir;
  const std::string inner = dir.Write("inner.txt", "-Log " + dir.File("a.log") + "\n\n-Foo\n-Log never\n");
  const std::string outer = dir.Write("outer.txt", "-Options " + inner + "\n-Log never\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + outer + " -Log never"), 1);
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{
                           "Processing options file [" + outer + "]...",
                           "Processing options file [" + inner + "]...",
                           "Corvane v1.4 Started",
                           "ERROR: Unknown command [Foo]",
                           "ERROR: in [" + inner + "] at line 3",
                           "Completed processing options file [" + inner + "]",
                           "ERROR: in [" + outer + "] at line 1",
                           "Completed processing options file [" + outer + "]",
                       }));
}

TEST(OptionsCommandTest, FileNameErrors) {
  TempDir dir;
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {"-Options", "ERROR: Options - no filename"},
      {"-Options \"\"", "ERROR: Options - no filename"},
      {"-Options " + std::string(261, 'a'), "ERROR: Options - filename too long"},
      {"-Options " + dir.File("missing.txt"), "ERROR: Options - could not open [" + dir.File("missing.txt") + "], error=2"},
  };
  for (const Case& c : cases) {
    TestRun t;
    EXPECT_EQ(t.Process(c.text), 1) << c.text;
    EXPECT_EQ(t.LastLine(), c.message) << c.text;
  }
  TestRun t;  // 260 characters are a name that may exist
  t.Process("-Options " + std::string(260, 'a'));
  EXPECT_EQ(t.LastLine(), "ERROR: Options - could not open [" + std::string(260, 'a') + "], error=36");
}

TEST(OptionsCommandTest, LongLinesArriveAsSeveralNumberedReads) {
  TempDir dir;
  // 499 characters make one read; the next read starts with "-Foo".
  const std::string first = "-Log " + dir.File("x.log") + std::string(499, ' ');
  const std::string file = dir.Write("long.txt", first.substr(0, 499) + "-Foo\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + file), 1);
  const auto lines = t.Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3], "ERROR: Unknown command [Foo]");
  EXPECT_EQ(lines[lines.size() - 2], "ERROR: in [" + file + "] at line 2");
}

TEST(OptionsCommandTest, AFileIncludingItselfStopsAtTheNestingLimit) {
  TempDir dir;
  const std::string self = dir.File("self.txt");
  dir.Write("self.txt", "-Options " + self + "\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + self), 1);
  const auto lines = t.Lines();
  // 32 files open, the 33rd refused, then two lines on the way out of each level.
  ASSERT_EQ(lines.size(), 32u + 1 + 2 * 32);
  EXPECT_EQ(lines[32], "ERROR: Options - files nested more than 32 deep, not opening [" + self + "]");
  EXPECT_EQ(lines[33], "ERROR: in [" + self + "] at line 1");
  EXPECT_EQ(lines.back(), "Completed processing options file [" + self + "]");
  EXPECT_EQ(t.run.optionsDepth, 0);
}

}  // namespace
}  // namespace corvane
