// End-to-end runs of the built executable: exit code, standard output and the log files.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::RunCorvane;
using testing::TempDir;
using testing::Unstamped;
using testing::Words;

TEST(EntryTest, NoArgumentsShowsTheInformationTextAndFails) {
  const auto r = RunCorvane({});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("Corvane by Tessaly\n\n"
                        "This version of Corvane from Tessaly is the command line version.\n\n",
                        0),
            0u);
}

TEST(EntryTest, HelpAndVersionSucceedWithoutRunning) {
  const auto help = RunCorvane({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Corvane by Tessaly"), std::string::npos);
  EXPECT_NE(help.out.find("Usage: corvane"), std::string::npos);
  const auto version = RunCorvane({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "corvane v1.4\n");
}

TEST(EntryTest, EveryLineIsStampedAndTheRunEndsWithFinished) {
  const auto r = RunCorvane({"-Foo"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(std::regex_match(r.out, std::regex("(\\d\\d:\\d\\d:\\d\\d [^\n]*\n){2}"))) << r.out;
  EXPECT_EQ(Unstamped(r.out), (std::vector<std::string>{"ERROR: Unknown command [Foo]", "Finished"}));
}

// Each ends with one error line, then "Finished", exit code 1 and no file.
TEST(EntryTest, BadCommandLinesGiveOneErrorLineAndNoFile) {
  struct Case {
    std::vector<std::string> args;
    std::string error;
  } cases[] = {
      {{"Chart", "Bar", "V"}, "ERROR: No command character [Chart Bar V]"},
      {{" "}, "ERROR: No command character [\" \"]"},
      {{";", "-Foo"}, "ERROR: No Chart Type specified"},
      {{"-Title", "x", "caf\xC3\xA9"}, "ERROR: No command character [caf\xC3\xA9]"},  // UTF-8 again
      {Words("-Chart Bar V -Datum A 1 -Output out"), "ERROR: No bar colors specified"},
      {Words("-Chart Pie 2D -Output out"), "ERROR: No data specified"},
      {Words("-Chart Line Curved -Datum A 1"), "ERROR: No PDF output file specified"},
      {Words("-Chart Pie 2D -Datum A x -Output out"), "ERROR: Datum - no value"},
      {Words("-Chart Line Standard -Chart Pie 2D"), "ERROR: Chart - type already specified"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto r = RunCorvane(c.args, dir.path());
    EXPECT_EQ(r.exitCode, 1);
    auto lines = Unstamped(r.out);
    std::erase_if(lines, [](const std::string& line) { return line.rfind("Chart type:", 0) == 0; });
    EXPECT_EQ(lines, (std::vector<std::string>{c.error, "Finished"}));
    EXPECT_FALSE(testing::FileExists(dir.File("out.pdf"))) << c.error;
  }
}

TEST(EntryTest, EachErrorCaseFailsWithItsMessage) {
  std::istringstream table(ReadFile(std::string(CORVANE_SOURCE_DIR) + "/tests/e2e/error_cases.txt"));
  int cases = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t bar = line.find(" | ");
    ASSERT_NE(bar, std::string::npos) << line;
    TempDir dir;
    dir.Write("numbers.csv", "A,1\n");
    const auto r = RunCorvane(Words(testing::Expand(line.substr(bar + 3))), dir.path());
    EXPECT_EQ(r.exitCode, 1) << line;
    const std::vector<std::string> lines = Unstamped(r.out);
    EXPECT_NE(std::ranges::find(lines, line.substr(0, bar)), lines.end()) << line << "\n" << r.out;
    ++cases;
  }
  EXPECT_GE(cases, 150);
}

TEST(EntryTest, LogAndErrorsFilesReceiveTheirLines) {
  TempDir dir;
  const std::string options =
      dir.Write("chart options.txt", "; settings\r\n-Errors errors.txt\r\n-Nope 1\r\n");
  const auto r = RunCorvane({"-Log", "run log.txt", "-Options", options}, dir.path());
  EXPECT_EQ(r.exitCode, 1);
  const std::vector<std::string> expected = {
      "Corvane v1.4 Started",
      "Processing options file [" + options + "]...",
      "ERROR: Unknown command [Nope]",
      "ERROR: in [" + options + "] at line 3",
      "Completed processing options file [" + options + "]",
      "Finished",
  };
  EXPECT_EQ(Unstamped(r.out), expected);
  EXPECT_EQ(Unstamped(ReadFile(dir.File("run log.txt"))), expected);
  EXPECT_EQ(ReadFile(dir.File("errors.txt")),
            "ERROR: Unknown command [Nope]\nERROR: in [" + options + "] at line 3\n");
}

}  // namespace
}  // namespace corvane
