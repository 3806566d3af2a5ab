#include "commands/options_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::TestRun;

// Comments, blank lines and each 499-character read of a longer line count as lines.
TEST(OptionsCommandTest, AFailingLineIsReportedByNumberAtEveryLevel) {
  testing::TempDir dir;
  const std::string log = "-Log " + dir.File("a.log") + std::string(499, ' ');
  const std::string inner = dir.Write("inner.txt", "; note\n\n" + log.substr(0, 499) + "-Foo\n-Log x\n");
  const std::string outer = dir.Write("outer.txt", "-Options " + inner + "\n-Log never\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + outer + " -Log never"), 1);
  EXPECT_EQ(t.Lines(), (std::vector<std::string>{
                           "Processing options file [" + outer + "]...",
                           "Processing options file [" + inner + "]...",
                           "Corvane v1.4 Started",
                           "ERROR: Unknown command [Foo]",
                           "ERROR: in [" + inner + "] at line 4",
                           "Completed processing options file [" + inner + "]",
                           "ERROR: in [" + outer + "] at line 1",
                           "Completed processing options file [" + outer + "]",
                       }));
}

// Only a blank at the end of a read is taken for its line end: the last letter of a file that
// ends without one stays.
TEST(OptionsCommandTest, KeepsTheLastLetterOfALastLineWithoutLineEnd) {
  testing::TempDir dir;
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + dir.Write("o.txt", "-Author Me\n-Title Caf\xC3\xA9")), 0) << t.LastLine();
  EXPECT_EQ(t.settings.Title, "Caf\xC3\xA9");
}

// A Windows-1252 line arrives as UTF-8, three bytes for each euro sign: a whole read of 499
// characters is longer than 499 bytes and must reach the commands whole.
TEST(OptionsCommandTest, AWindows1252LineLongerInUtf8IsReadWhole) {
  testing::TempDir dir;
  const std::string euros(497, '\x80');
  const std::string file = dir.Write("w.txt", "; " + euros + "\n-Title " + std::string(30, '\xE9') + "\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + file), 0) << t.LastLine();
  std::string title;
  for (int k = 0; k < 30; ++k) title += "\xC3\xA9";
  EXPECT_EQ(t.settings.Title, title);
}

TEST(OptionsCommandTest, AFileIncludingItselfStopsAtTheNestingLimit) {
  testing::TempDir dir;
  const std::string self = dir.Write("self.txt", "-Options " + dir.File("self.txt") + "\n");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + self), 1);
  const auto lines = t.Lines();
  // 32 files open, the 33rd refused, then two lines on the way out of each level.
  ASSERT_EQ(lines.size(), 32u + 1 + 2 * 32);
  EXPECT_EQ(lines[32], "ERROR: Options - files nested more than 32 deep, not opening [" + self + "]");
  EXPECT_EQ(lines[33], "ERROR: in [" + self + "] at line 1");
  EXPECT_EQ(t.commands.optionsDepth, 0);
}

// Eleven files that each include the next one twice would open 2047 files: the run stops at the
// 1001st, and every level still open reports its line on the way out.
TEST(OptionsCommandTest, ARunOpensAtMostAThousandFiles) {
  testing::TempDir dir;
  std::vector<std::string> files;
  for (int k = 0; k <= 10; ++k) files.push_back(dir.File("f" + std::to_string(k) + ".txt"));
  for (int k = 0; k < 10; ++k) {
    const std::string include = "-Options " + files[k + 1] + "\n";
    dir.Write("f" + std::to_string(k) + ".txt", include + include);
  }
  dir.Write("f10.txt", "");
  TestRun t;
  EXPECT_EQ(t.Process("-Options " + files[0]), 1);
  const auto lines = t.Lines();
  const auto startsWith = [](const char* start) {
    return [=](const std::string& line) { return line.starts_with(start); };
  };
  EXPECT_EQ(std::ranges::count_if(lines, startsWith("Processing")), 1000);
  EXPECT_EQ(t.commands.optionsOpened, 1000);
  const auto refused = std::ranges::find_if(lines, startsWith("ERROR: Options"));
  ASSERT_NE(refused, lines.end());
  const std::string message = "ERROR: Options - more than 1000 options files opened, not opening [";
  EXPECT_TRUE(refused->starts_with(message + dir.File("f"))) << *refused;
  // Then two lines for each file still open, from the innermost out to f0.txt.
  ASSERT_EQ((lines.end() - refused - 1) % 2, 0);
  for (auto line = refused + 1; line != lines.end(); line += 2) {
    EXPECT_TRUE(line->starts_with("ERROR: in [")) << *line;
    EXPECT_EQ(line[1], "Completed processing options file [" + line->substr(11, line->find(']') - 11) + "]");
  }
  EXPECT_EQ(lines.back(), "Completed processing options file [" + files[0] + "]");
}

}  // namespace
}  // namespace corvane
