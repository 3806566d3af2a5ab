// Runs of the built executable killed while they save: whatever the signal, the output's folder
// holds the old file or the whole new one, and nothing else.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/process.h"
#include "support/test_run.h"

namespace corvane {
namespace {

using testing::ReadFile;
using testing::TempDir;
using Clock = std::chrono::steady_clock;

// A run whose standard output comes through a pipe, so that the test sees when it starts to save.
struct StartedRun {
  pid_t pid;
  int out;
};

StartedRun Start(const std::vector<std::string>& args) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {-1, -1};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    const rlimit noCore{0, 0};  // SIGQUIT and its kind would leave a core file
    setrlimit(RLIMIT_CORE, &noCore);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);  // the sanitizer build's leak check at exit is slow
    std::vector<char*> argv{const_cast<char*>(CORVANE_EXE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CORVANE_EXE, argv.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  return {pid, pipeEnds[0]};
}

// Reads the run's output until the text appears (true) or the output ends (false).
bool ReadUntil(int fd, const std::string& text) {
  std::string seen;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    seen.append(buffer, static_cast<std::size_t>(got));
    if (seen.find(text) != std::string::npos) return true;
  }
  return false;
}

// Reads the rest of the output, so the run never writes into a closed pipe, and reaps the run.
void Finish(const StartedRun& run) {
  char buffer[4096];
  while (read(run.out, buffer, sizeof buffer) > 0) {
  }
  close(run.out);
  int status = 0;
  waitpid(run.pid, &status, 0);
}

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Each round kills one run with each signal. Under the sanitizers a run takes four times as
// long, and the plain build kills enough of them.
#ifdef __SANITIZE_ADDRESS__
constexpr int kRounds = 8;
#else
constexpr int kRounds = 20;
#endif

// A line chart of 1000 items in 10 series: some 190 KB of PDF, whose saving takes the better part
// of the run. Each kill falls at a random moment between the start of the save and a little after
// the time a whole save takes.
TEST(InterruptedSaveTest, AKilledRunLeavesTheOldFileOrTheWholeNewOne) {
  TempDir dir;
  std::mt19937 random(14);
  std::string options = "-Chart Line Curved\n-Line";
  for (int s = 0; s < 10; ++s) options += " #1F77B4 1";
  for (int k = 0; k < 1000; ++k) {
    options += "\n-Datum I" + std::to_string(k);
    for (int s = 0; s < 10; ++s) options += " " + std::to_string(random() % 10000 / 100.0);
  }
  const std::vector<std::string> args = {"-Options", dir.Write("chart.txt", options + "\n"), "-Output",
                                         dir.File("out/chart.pdf")};
  std::filesystem::create_directory(dir.File("out"));

  const StartedRun whole = Start(args);
  ASSERT_TRUE(ReadUntil(whole.out, "Saving PDF to"));
  const auto saving = Clock::now();
  Finish(whole);
  const auto save = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - saving);
  const std::string newPdf = ReadFile(dir.File("out/chart.pdf"));
  ASSERT_TRUE(newPdf.starts_with("%PDF-") && newPdf.ends_with("%%EOF\n")) << newPdf.size();

  const int signals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGKILL};
  int oldFiles = 0, newFiles = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (const int signal : signals) {
      dir.Write("out/chart.pdf", "old");
      const StartedRun run = Start(args);
      ASSERT_TRUE(ReadUntil(run.out, "Saving PDF to"));
      std::this_thread::sleep_for(std::chrono::microseconds(random() % (save.count() * 5 / 4 + 1)));
      kill(run.pid, signal);
      Finish(run);
      ASSERT_EQ(FilesIn(dir.File("out")), std::set<std::string>{"chart.pdf"}) << strsignal(signal);
      const std::string kept = ReadFile(dir.File("out/chart.pdf"));
      ASSERT_TRUE(kept == "old" || kept == newPdf) << strsignal(signal) << ": " << kept.size() << " bytes";
      (kept == "old" ? oldFiles : newFiles) += 1;
    }
  }
  // The kills fell both before and after the new file took the old one's place.
  EXPECT_GT(oldFiles, 0);
  EXPECT_GT(newFiles, 0);
}

}  // namespace
}  // namespace corvane
