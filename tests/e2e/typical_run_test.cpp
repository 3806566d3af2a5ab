// Whole runs of the executable that end in a saved chart, read back by independent tools.
#include <gtest/gtest.h>

#include <sys/stat.h>


#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

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
  const auto r = RunCorvane({"-Log", "run.log", "-Chart", "Bar", "V", "-BarColor", "#3366CC", "#99CCFF",
                             "-Datum", "North", "12.5", "-Datum", "South", "8", "-Title", "Sales", "-Output",
                             "sales", "-OpenPDF"},
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

}  // namespace
}  // namespace corvane
