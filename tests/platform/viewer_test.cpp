#include "platform/viewer.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;

// Puts an executable shell script named like the opener into the folder.
void WriteOpener(const TempDir& dir, const std::string& subfolder, const std::string& body) {
  std::filesystem::create_directories(dir.File(subfolder));
  const std::string path = dir.Write(subfolder + "/xdg-open", "#!/bin/sh\n" + body + "\n");
  chmod(path.c_str(), 0755);
}

// A fake opener that records its argument and whether it runs in its own session with
// /dev/null for input and output, then ends as told.
std::string RecordingOpener(const TempDir& dir, const std::string& ending) {
  return "cd '" + dir.path() + "'\n"
         "sid=$(cut -d' ' -f6 /proc/$$/stat)\n"
         "echo \"$1|$([ \"$sid\" = $$ ] && echo own-session)|$(readlink /proc/$$/fd/0)|"
         "$(readlink /proc/$$/fd/1)|$(readlink /proc/$$/fd/2)\" > record\n" +
         ending;
}

bool HasUnreapedChild() { return waitpid(-1, nullptr, WNOHANG) >= 0; }

TEST(ViewerTest, ReportsTheOpenersOutcome) {
  struct Case {
    const char* ending;  // "" for no opener on the PATH
    int expected;
  } cases[] = {
      {"exit 0", kViewerOpened},
      {"exit 1", kViewerFailed},
      {"kill -9 $$", kViewerFailed},
      {"", kViewerNotFound},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string ending = c.ending;
    if (!ending.empty()) WriteOpener(dir, "bin", RecordingOpener(dir, ending));
    EXPECT_EQ(OpenInViewer("/some/chart.pdf", dir.File("bin")), c.expected) << ending;
    EXPECT_FALSE(HasUnreapedChild()) << ending;
    if (!ending.empty()) {
      EXPECT_EQ(ReadFile(dir.File("record")), "/some/chart.pdf|own-session|/dev/null|/dev/null|/dev/null\n")
          << ending;
    }
  }
}

TEST(ViewerTest, SearchesThePathInOrder) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("folder/xdg-open"));
  WriteOpener(dir, "plain", "exit 1");
  chmod(dir.File("plain/xdg-open").c_str(), 0644);  // not executable
  WriteOpener(dir, "first", "echo \"$1\" > '" + dir.File("first-ran") + "'");
  WriteOpener(dir, "second", "exit 1");
  const std::string path = "/no/such:" + dir.File("folder") + ":" + dir.File("plain") + "::" +
                           dir.File("first") + ":" + dir.File("second");
  EXPECT_EQ(OpenInViewer("-chart.pdf", path), kViewerOpened);
  EXPECT_EQ(ReadFile(dir.File("first-ran")), "./-chart.pdf\n");  // not to be taken for an option
}

TEST(ViewerTest, DoesNotWaitForAnOpenerThatStays) {
  TempDir dir;
  WriteOpener(dir, "bin", "echo $$ > '" + dir.File("pid") + "'\nexec sleep 30");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(OpenInViewer("chart.pdf", dir.File("bin")), kViewerOpened);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(1900));
  EXPECT_LT(waited, std::chrono::seconds(10));

  // Still running, as our own child: end it and reap it so the test leaves nothing behind.
  const pid_t opener = std::stoi(ReadFile(dir.File("pid")));
  EXPECT_EQ(kill(opener, SIGKILL), 0);
  EXPECT_EQ(waitpid(opener, nullptr, 0), opener);
}

}  // namespace
}  // namespace corvane
