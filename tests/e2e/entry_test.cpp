// End-to-end runs of the built executable: exit code, standard output and the log files. What
// a run draws is checked by tests/e2e/drawing_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <tuple>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::RunCorvane;
using testing::TempDir;
using testing::Unstamped;

// Without arguments the information text goes to standard error and the run fails; --help
// adds the usage to it.
TEST(EntryTest, InformationHelpAndVersion) {
  const auto none = RunCorvane({}), help = RunCorvane({"--help"}), version = RunCorvane({"--version"});
  EXPECT_EQ(std::tuple(none.exitCode, none.out, help.exitCode, version.exitCode, version.out),
            std::tuple(1, "", 0, 0, "corvane v1.4\n"));
  EXPECT_EQ(none.err.rfind("Corvane by Tessaly\n\n"
                           "This version of Corvane from Tessaly is the command line version.\n\n",
                           0),
            0u);
  EXPECT_EQ(help.out.rfind(none.err, 0), 0u);
  EXPECT_NE(help.out.find("\nUsage: corvane"), std::string::npos);
}

TEST(EntryTest, EachErrorCaseFailsWithItsMessageAndLeavesNoFile) {
  std::istringstream table(ReadFile(std::string(CORVANE_SOURCE_DIR) + "/tests/e2e/error_cases.txt"));
  int cases = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    line = testing::Expand(line);
    const std::size_t bar = line.find(" | ");
    ASSERT_NE(bar, std::string::npos) << line;
    TempDir dir;
    dir.Write("numbers.csv", "A,1\n");
    const auto r = RunCorvane(testing::Words(line.substr(bar + 3)), dir.path());
    EXPECT_EQ(r.exitCode, 1) << line;
    const std::vector<std::string> lines = Unstamped(r.out);
    EXPECT_NE(std::ranges::find(lines, line.substr(0, bar)), lines.end()) << line << "\n" << r.out;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << line;
    ++cases;
  }
  EXPECT_GE(cases, 190);
}

// Arguments with line ends or terminal controls: none is read as commands, and every log line
// stays one stamped line with the controls written as escapes.
TEST(EntryTest, ControlCharactersNeitherSplitArgumentsNorForgeLogLines) {
  TempDir dir;
  const std::vector<std::string> pie = {"-Chart", "Pie", "2D", "-Datum", "A"};
  auto args = pie;
  args.push_back("1\x01-Output\x01hijacked");
  const auto injected = RunCorvane(args, dir.path());
  EXPECT_EQ(Unstamped(injected.out), (std::vector<std::string>{
                                         "Chart type: Pie 2D",
                                         "ERROR: Argument 6 holds a command or comment after its value",
                                         "Finished",
                                     }));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  args = pie;
  args.insert(args.end(), {"1", "-Log", "run.log", "-Output", "x]\n02:00:00 ERROR: forged [\x1b[2J"});
  const auto forged = RunCorvane(args, dir.path());
  EXPECT_EQ(forged.exitCode, 0);
  const std::string saving = "Saving PDF to [x]\\n02:00:00 ERROR: forged [\\x1B[2J.pdf]";
  EXPECT_TRUE(std::regex_match(forged.out, std::regex("(\\d\\d:\\d\\d:\\d\\d [^\n\x1b]*\n){7}"))) << forged.out;
  EXPECT_EQ(Unstamped(forged.out)[4], saving);
  EXPECT_EQ(Unstamped(ReadFile(dir.File("run.log")))[3], saving);
}

// Log and errors files named in an options file take the lines from there on; an argument with a
// blank is quoted, so a lone blank is an item that cannot be read.
TEST(EntryTest, LogAndErrorsFilesReceiveTheirLines) {
  TempDir dir;
  const std::string options =
      dir.Write("chart options.txt", "; settings\r\n-Log \"run log.txt\"\r\n-Errors errors.txt\r\n");
  const auto r = RunCorvane({"-Options", options, " "}, dir.path());
  EXPECT_EQ(r.exitCode, 1);
  const std::vector<std::string> expected = {
      "Processing options file [" + options + "]...",
      "Corvane v1.4 Started",
      "Completed processing options file [" + options + "]",
      "ERROR: No command character [\" \"]",
      "Finished",
  };
  EXPECT_TRUE(std::regex_match(r.out, std::regex("(\\d\\d:\\d\\d:\\d\\d [^\n]*\n){5}"))) << r.out;
  EXPECT_EQ(Unstamped(r.out), expected);
  EXPECT_EQ(Unstamped(ReadFile(dir.File("run log.txt"))), std::vector(expected.begin() + 1, expected.end()));
  EXPECT_EQ(ReadFile(dir.File("errors.txt")), "ERROR: No command character [\" \"]\n");
}

// A -Log or -Errors that fails leaves no file of its kind for the rest of the run: the file an
// earlier one named receives neither the error nor "Finished".
TEST(EntryTest, AFailedLogOrErrorsCommandEndsItsFile) {
  struct Case { const char* args; std::string log, errors; } cases[] = {
      {"-Log a.log -Errors e.txt -Log", "Corvane v1.4 Started\n", "ERROR: Log - no filename\n"},
      {"-Log a.log -Errors e.txt -Errors {x*261}",
       "Corvane v1.4 Started\nERROR: Errors - filename too long\nFinished\n", ""},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto r = RunCorvane(testing::Words(testing::Expand(c.args)), dir.path());
    EXPECT_EQ(r.exitCode, 1) << c.args;
    std::string log;
    for (const std::string& line : Unstamped(ReadFile(dir.File("a.log")))) log += line + "\n";
    EXPECT_EQ(log, c.log) << c.args;
    EXPECT_EQ(ReadFile(dir.File("e.txt")), c.errors) << c.args;  // "" when there is no file
  }
}

// The typical run: a chart saved, then opened by a stand-in for the desktop's opener that
// succeeds without opening anything.
TEST(EntryTest, BarChartIsSavedAndOpened) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("bin"));
  std::filesystem::create_symlink("/bin/true", dir.File("bin/xdg-open"));
  const auto r = RunCorvane(testing::Words("-Chart Bar V -BarColor #3366CC #99CCFF -Datum North 12.5 "
                                           "-Datum South 8 -Title Sales -Output sales -OpenPDF"),
                            dir.path(), {"PATH=" + dir.File("bin") + ":/usr/bin:/bin"});
  EXPECT_EQ(r.exitCode, 0) << r.out;
  const std::vector<std::string> expected = {
      "Chart type: Bar V",         "Data items in chart: 2", "Creating PDF structure in memory...",
      "Saving PDF to [sales.pdf]", "Save complete",          "Opening PDF in default PDF viewer",
      "success",                   "Finished",
  };
  EXPECT_EQ(Unstamped(r.out), expected);
  const auto info = testing::RunProcess("/usr/bin/pdfinfo", {dir.File("sales.pdf")});
  EXPECT_NE(info.out.find("800 x 600 pts"), std::string::npos) << info.out;
}

// A bar chart of several series drawn as the first series alone says so, as a warning: the run
// succeeds and the errors file receives nothing. Grouped bars draw them all and say nothing.
TEST(EntryTest, BarsOfTheFirstSeriesAloneWarnOfTheOthers) {
  TempDir dir;
  const std::string chart = "-Errors errors.txt -Chart Bar V -BarColor #3366CC #99CCFF -Datum A 1 2 3 -Output bars";
  const auto first = RunCorvane(testing::Words(chart), dir.path());
  EXPECT_EQ(first.exitCode, 0) << first.out;
  const std::vector<std::string> lines = Unstamped(first.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Data items in chart: 1");
  EXPECT_EQ(lines[2], "WARNING: bar charts draw series 1 only; -BarSeries Grouped or Stacked draws all 3");
  EXPECT_FALSE(std::filesystem::exists(dir.File("errors.txt")));
  const auto grouped = RunCorvane(testing::Words(chart + " -BarSeries Grouped"), dir.path());
  EXPECT_EQ(grouped.exitCode, 0) << grouped.out;
  EXPECT_EQ(grouped.out.find("WARNING"), std::string::npos) << grouped.out;
}

}  // namespace
}  // namespace corvane
