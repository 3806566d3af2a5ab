#include "platform/viewer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace corvane {
namespace {

#ifdef __APPLE__
constexpr char kOpener[] = "open";
#else
constexpr char kOpener[] = "xdg-open";
#endif

// How long an opener may take before the run goes on without its answer.
constexpr auto kPatience = std::chrono::seconds(2);
constexpr auto kPollInterval = std::chrono::milliseconds(10);

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The opener's path in the first folder of the search path that holds it. Only the folders
// the path names are searched: an empty entry, which a shell takes for the current folder,
// names none, so a file planted there is never run. "" when no folder holds it.
std::string FindOnPath(const std::string& name, const std::string& searchPath) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = searchPath.find(':', start);
    const std::string folder = searchPath.substr(start, end == std::string::npos ? end : end - start);
    if (!folder.empty() && IsExecutableFile(folder + "/" + name)) return folder + "/" + name;
    if (end == std::string::npos) return "";
    start = end + 1;
  }
}

// In the child between fork and exec only async-signal-safe calls are allowed.
[[noreturn]] void RunDetached(const char* program, char* const argv[]) {
  setsid();
  const int devNull = open("/dev/null", O_RDWR);
  if (devNull >= 0) {
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    if (devNull > STDERR_FILENO) close(devNull);
  }
  execv(program, argv);
  _exit(127);
}

}  // namespace

std::string EnvironmentPath() {
  if (const char* path = std::getenv("PATH")) return path;
  std::string path(confstr(_CS_PATH, nullptr, 0), '\0');
  if (path.empty()) return path;
  confstr(_CS_PATH, path.data(), path.size());
  path.pop_back();  // the terminating NUL confstr counts and writes
  return path;
}

int OpenInViewer(const std::string& file, const std::string& searchPath) {
  const std::string opener = FindOnPath(kOpener, searchPath);
  if (opener.empty()) return kViewerNotFound;

  std::string name = kOpener;
  // A name starting with '-' would be read as an option.
  std::string argument = file.starts_with('-') ? "./" + file : file;
  char* const argv[] = {name.data(), argument.data(), nullptr};
  const pid_t child = fork();
  if (child < 0) return kViewerFailed;
  if (child == 0) RunDetached(opener.c_str(), argv);

  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? kViewerOpened : kViewerFailed;
    if (done < 0 && errno != EINTR) return kViewerFailed;
    if (std::chrono::steady_clock::now() >= deadline) return kViewerOpened;
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace corvane
