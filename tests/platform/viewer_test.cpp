#include "platform/viewer.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;

// Puts an executable shell script named like the opener into the folder "bin".
void WriteOpener(const TempDir& dir, const std::string& body) {
  std::filesystem::create_directories(dir.File("bin"));
  chmod(dir.Write("bin/xdg-open", "#!/bin/sh\n" + body + "\n").c_str(), 0755);
}

// The opener records its argument and whether it runs in its own session with /dev/null for
// input and output, then ends as told. Before its folder the PATH holds a missing folder, an
// empty entry, a folder named like the opener and a file of that name that cannot be run.
TEST(ViewerTest, ReportsTheOpenersOutcome) {
  const std::string record = "sid=$(cut -d' ' -f6 /proc/$$/stat)\n"
                             "echo \"$1|$([ \"$sid\" = $$ ] && echo own-session)|$(readlink /proc/$$/fd/0)|"
                             "$(readlink /proc/$$/fd/1)|$(readlink /proc/$$/fd/2)\" > ";
  // A killed opener failed too.
  const std::pair<const char*, int> cases[] = {
      {"exit 0", kViewerOpened}, {"exit 1", kViewerFailed}, {"kill -9 $$", kViewerFailed},
      {"", kViewerNotFound},
  };
  for (const auto& [ending, expected] : cases) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("folder/xdg-open"));
    dir.Write("xdg-open", "#!/bin/sh\nexit 0\n");
    if (*ending != 0) WriteOpener(dir, record + "'" + dir.File("record") + "'\n" + ending);
    const std::string path = "/no/such::" + dir.File("folder") + ":" + dir.path() + ":" + dir.File("bin");
    EXPECT_EQ(OpenInViewer("-chart.pdf", path), expected) << ending;
    if (*ending != 0) {
      // A name starting with '-' is not to be taken for an option.
      EXPECT_EQ(ReadFile(dir.File("record")), "./-chart.pdf|own-session|/dev/null|/dev/null|/dev/null\n");
    }
  }
}

// An empty PATH entry names no folder, and without a PATH the system's default path is searched:
// an opener planted in the current folder runs only where the PATH names that folder.
TEST(ViewerTest, RunsNoOpenerFromTheCurrentFolderUnlessThePathNamesIt) {
  TempDir dir;
  chmod(dir.Write("xdg-open", "#!/bin/sh\necho ran >> '" + dir.File("record") + "'\n").c_str(), 0755);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const int results[] = {OpenInViewer("chart.pdf", ""), OpenInViewer("chart.pdf", ":/no/such:"),
                         OpenInViewer("chart.pdf", ".")};
  std::filesystem::current_path(before);
  EXPECT_EQ(std::vector<int>(std::begin(results), std::end(results)),
            (std::vector<int>{kViewerNotFound, kViewerNotFound, kViewerOpened}));
  EXPECT_EQ(ReadFile(dir.File("record")), "ran\n");

  const std::string path = EnvironmentPath();
  unsetenv("PATH");
  char systemPath[256] = {};
  confstr(_CS_PATH, systemPath, sizeof systemPath);
  EXPECT_EQ(EnvironmentPath(), systemPath);
  setenv("PATH", path.c_str(), 1);
}

TEST(ViewerTest, DoesNotWaitForAnOpenerThatStays) {
  TempDir dir;
  WriteOpener(dir, "echo $$ > '" + dir.File("pid") + "'\nexec sleep 30");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(OpenInViewer("chart.pdf", dir.File("bin")), kViewerOpened);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

  // Still running, as our own child: end it and reap it so the test leaves nothing behind.
  const pid_t opener = std::stoi(ReadFile(dir.File("pid")));
  EXPECT_EQ(kill(opener, SIGKILL), 0);
  EXPECT_EQ(waitpid(opener, nullptr, 0), opener);
}

}  // namespace
}  // namespace corvane
