// Whole runs of the executable that end in a saved chart, read back by independent tools.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <sstream>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::RunCorvane;
using testing::RunProcess;
using testing::TempDir;
using testing::Unstamped;

// A stand-in for the desktop's opener that succeeds without opening anything.
std::string FakeOpener(const TempDir& dir) {
  const std::string bin = dir.File("bin");
  mkdir(bin.c_str(), 0755);
  const std::string opener = dir.Write("bin/xdg-open", "#!/bin/sh\nexit 0\n");
  chmod(opener.c_str(), 0755);
  return bin;
}

TEST(TypicalRunTest, BarChartIsSavedAndOpened) {
  TempDir dir;
  const auto r = RunCorvane({"-Log", "run.log", "-Chart", "Bar", "V", "-BarColor", "#3366CC", "#99CCFF", "-Datum",
                             "North", "12.5", "-Datum", "South", "8", "-Title", "Sales", "-Output", "sales",
                             "-OpenPDF"},
                            dir.path(), {"PATH=" + FakeOpener(dir) + ":/usr/bin:/bin"});
  EXPECT_EQ(r.exitCode, 0) << r.out;
  const std::vector<std::string> expected = {
      "Corvane v1.4 Started",         "Chart type: Bar V",
      "Data items in chart: 2",       "Creating PDF structure in memory...",
      "Saving PDF to [sales.pdf]",    "Save complete",
      "Opening PDF in default PDF viewer", "success",
      "Finished",
  };
  EXPECT_EQ(Unstamped(r.out), expected);
  EXPECT_EQ(Unstamped(ReadFile(dir.File("run.log"))), expected);

  const auto check = RunProcess("/usr/bin/qpdf", {"--check", dir.File("sales.pdf")});
  EXPECT_EQ(check.exitCode, 0) << check.out;
  const auto info = RunProcess("/usr/bin/pdfinfo", {dir.File("sales.pdf")});
  EXPECT_NE(info.out.find("800 x 600 pts"), std::string::npos) << info.out;
  const auto text = RunProcess("/usr/bin/pdftotext", {dir.File("sales.pdf"), "-"});
  EXPECT_NE(text.out.find("Sales"), std::string::npos);
}

TEST(TypicalRunTest, BadCommandLinesLeaveNoFile) {
  struct Case {
    std::string commands;
    std::string error;
  } cases[] = {
      {"-Chart Bar V -Datum A 1 -Output out", "ERROR: No bar colors specified"},
      {"-Chart Pie 2D -Output out", "ERROR: No data specified"},
      {"-Chart Line Curved -Datum A 1", "ERROR: No PDF output file specified"},
      {"-Chart Pie 2D -Datum A 1 -Output out -Page 99 100 0 0 0", "ERROR: Page - width must be between 100 and 10000 inclusive"},
      {"-Chart Pie 2D -Datum A x -Output out", "ERROR: Datum - no value"},
      {"-Chart Area Curved -Datum A 1 -Output out -Area 0 0 0 0 0 0 0", "ERROR: Area - thickness must be greater than 0.0 and less than or equal to 100.0"},
      {"-Chart Line Standard -Chart Pie 2D", "ERROR: Chart - type already specified"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    std::vector<std::string> args;
    std::istringstream words(c.commands);
    for (std::string word; words >> word;) args.push_back(word);
    const auto r = RunCorvane(args, dir.path());
    EXPECT_EQ(r.exitCode, 1) << c.commands;
    const auto lines = Unstamped(r.out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], c.error);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("ERROR:", 0) == 0; }),
              1);
    EXPECT_EQ(lines.back(), "Finished");
    EXPECT_FALSE(FileExists(dir.File("out.pdf"))) << c.commands;
  }
}

}  // namespace
}  // namespace corvane
