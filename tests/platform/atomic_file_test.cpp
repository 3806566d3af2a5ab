#include "platform/atomic_file.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using Names = std::set<std::string>;

constexpr TemporaryFile kBothWays[] = {TemporaryFile::kUnnamedWhereSupported, TemporaryFile::kNamed};

Names FilesIn(const std::string& folder) {
  Names names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

std::pair<int, int> StepAndError(const std::optional<FileReplaceFailure>& failure) {
  return failure ? std::pair(static_cast<int>(failure->step), failure->error) : std::pair(-1, 0);
}

// Either way a file is created with the permissions a plain create gives, replaced whole, and a
// failure names its step and leaves nothing behind.
TEST(AtomicFileTest, ReplacesTheFileWholeOrReportsTheStepThatFailed) {
  const mode_t mask = umask(022);
  for (const TemporaryFile way : kBothWays) {
    TempDir dir;
    EXPECT_FALSE(ReplaceFile(dir.File("chart.pdf"), "first", way));
    EXPECT_EQ(std::filesystem::status(dir.File("chart.pdf")).permissions(), std::filesystem::perms(0644));
    EXPECT_FALSE(ReplaceFile(dir.File("chart.pdf"), std::string(100000, 'x'), way));
    EXPECT_EQ(ReadFile(dir.File("chart.pdf")), std::string(100000, 'x'));

    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_EQ(StepAndError(ReplaceFile(dir.File("missing/chart.pdf"), "new", way)),
              std::pair(static_cast<int>(FileReplaceFailure::kCreate), ENOENT));
    EXPECT_EQ(StepAndError(ReplaceFile(dir.File("folder"), "new", way)),
              std::pair(static_cast<int>(FileReplaceFailure::kReplace), EISDIR));
    EXPECT_EQ(FilesIn(dir.path()), (Names{"chart.pdf", "folder"}));
  }
  umask(mask);
}

// Threads saving at once, as a batch's do, each way and with the flush left for later: every
// file is whole, nothing is left beside them, and the one flush at the end succeeds.
TEST(AtomicFileTest, ThreadsReplaceFilesAtOnce) {
  for (const TemporaryFile way : kBothWays) {
    TempDir dir;
    std::vector<std::thread> threads;
    std::vector<std::string> paths;
    for (int k = 0; k < 8; ++k) paths.push_back(dir.File("chart" + std::to_string(k) + ".pdf"));
    for (int k = 0; k < 8; ++k) {
      threads.emplace_back([&, k] {
        for (int round = 0; round < 20; ++round) {
          const std::string bytes(1000 * (k + 1) + round, static_cast<char>('a' + k));
          if (ReplaceFile(paths[k], bytes, way, FileFlush::kLater)) ADD_FAILURE() << paths[k];
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(ReadFile(paths[k]), std::string(1000 * (k + 1) + 19, static_cast<char>('a' + k)));
    }
    EXPECT_EQ(FilesIn(dir.path()).size(), 8u);
    EXPECT_EQ(FlushFileSystems(paths), 0);
  }
}

// A process killed while it replaces a file the named way, by each signal that ends it, leaves
// the old file or the whole new one and nothing else: the signals remove the temporary file.
// The kills fall at random over the time a replacement takes.
TEST(AtomicFileTest, AKilledReplacementLeavesTheOldFileOrTheWholeNewOne) {
  const int signals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGPIPE,   SIGALRM,
                         SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};
  const std::string bytes(1 << 20, 'n');
  TempDir dir;
  const auto replaceInChild = [&] {
    dir.Write("chart.pdf", "old");
    const pid_t child = fork();
    if (child == 0) _exit(ReplaceFile(dir.File("chart.pdf"), bytes, TemporaryFile::kNamed) ? 1 : 0);
    return child;
  };
  using std::chrono::steady_clock;
  const auto start = steady_clock::now();
  int status = 0;
  ASSERT_EQ(waitpid(replaceInChild(), &status, 0) > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0, true);
  const auto took = std::chrono::duration_cast<std::chrono::microseconds>(steady_clock::now() - start);

  std::mt19937 random(14);
  int oldFiles = 0, newFiles = 0;
  for (int round = 0; round < 5; ++round) {
    for (const int signal : signals) {
      const pid_t child = replaceInChild();
      std::this_thread::sleep_for(std::chrono::microseconds(random() % (took.count() * 5 / 4 + 1)));
      kill(child, signal);
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_EQ(FilesIn(dir.path()), Names{"chart.pdf"}) << strsignal(signal);
      const std::string kept = ReadFile(dir.File("chart.pdf"));
      ASSERT_TRUE(kept == "old" || kept == bytes) << strsignal(signal) << ": " << kept.size() << " bytes";
      (kept == "old" ? oldFiles : newFiles) += 1;
    }
  }
  EXPECT_GT(oldFiles, 0);
  EXPECT_GT(newFiles, 0);
}

}  // namespace
}  // namespace corvane
