#include "platform/viewer.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;

// Puts an executable shell script named like the opener into the folder.
void WriteOpener(const TempDir& dir, const std::string& subfolder, const std::string& body) {
  std::filesystem::create_directories(dir.File(subfolder));
  chmod(dir.Write(subfolder + "/xdg-open", "#!/bin/sh\n" + body + "\n").c_str(), 0755);
}

TEST(ViewerTest, RunsTheOpenerDetachedAndReportsItsOutcome) {
  struct Case { std::string ending; int outcome; } cases[] = {  // ending "": no opener on the path
      {"exit 0", kViewerOpened}, {"exit 1", kViewerFailed}, {"", kViewerNotFound}};
  for (const Case& c : cases) {
    TempDir dir;
    // The opener records its argument, whether it leads its own session, and its input and errors.
    if (!c.ending.empty()) {
      WriteOpener(dir, "bin", "sid=$(cut -d' ' -f6 /proc/$$/stat)\n"
                              "echo \"$1|$([ \"$sid\" = $$ ] && echo own)|$(readlink /proc/$$/fd/0)|"
                              "$(readlink /proc/$$/fd/2)\" > '" + dir.File("record") + "'\n" + c.ending);
    }
    EXPECT_EQ(OpenInViewer("/some/chart.pdf", dir.File("bin")), c.outcome) << c.ending;
    EXPECT_LT(waitpid(-1, nullptr, WNOHANG), 0) << "a finished opener is reaped";
    if (!c.ending.empty()) {
      EXPECT_EQ(ReadFile(dir.File("record")), "/some/chart.pdf|own|/dev/null|/dev/null\n") << c.ending;
    }
  }
}

TEST(ViewerTest, SearchesThePathInOrder) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("folder/xdg-open"));
  WriteOpener(dir, "first", "echo \"$1\" > '" + dir.File("first-ran") + "'");
  WriteOpener(dir, "second", "exit 1");
  const std::string path =
      "/no/such:" + dir.File("folder") + "::" + dir.File("first") + ":" + dir.File("second");
  EXPECT_EQ(OpenInViewer("-chart.pdf", path), kViewerOpened);
  EXPECT_EQ(ReadFile(dir.File("first-ran")), "./-chart.pdf\n");  // not to be taken for an option
}

}  // namespace
}  // namespace corvane
