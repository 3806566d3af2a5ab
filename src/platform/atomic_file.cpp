#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/random_bytes.h"

namespace corvane {
namespace {

using Failure = FileReplaceFailure;

// The signals whose default action ends the process and which a handler may catch.
constexpr int kEndingSignals[] = {SIGHUP, SIGINT,  SIGQUIT, SIGTERM, SIGPIPE,   SIGALRM,
                                  SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF};

// Holds every catchable signal back while it lives, so that the steps between its making and
// its end run to their end together; a signal that came meanwhile arrives afterwards.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &before_);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

// The folder part of a path with its final '/', or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name for the new file beside the one it replaces, hidden and unlikely to be taken.
std::string TemporaryName(const std::string& folder) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  unsigned char random[6] = {};
  RandomBytes(random, sizeof random);
  std::string name = folder + ".corvane-";
  for (const unsigned char r : random) name += kLetters[r % 64];
  return name;
}

// What the new file takes over from the one it replaces: its permissions without the special
// bits, its owner and group. A new file gets the permissions a plain create gives.
struct Attributes {
  bool replacing = false;
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;
};

Attributes AttributesFor(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    return {true, static_cast<mode_t>(info.st_mode & 0777), info.st_uid, info.st_gid};
  }
  const mode_t mask = umask(0);  // the only way to read the mask is to set it
  umask(mask);
  return {false, static_cast<mode_t>(0666 & ~mask), 0, 0};
}

// Owner and group where the process may give them (root may; a user may give a group of
// theirs), then the permissions, which a change of owner would have cleared of special bits.
void Apply(int fd, const Attributes& attributes) {
  if (attributes.replacing && fchown(fd, attributes.owner, attributes.group) != 0 &&
      fchown(fd, static_cast<uid_t>(-1), attributes.group) != 0) {
    // The process may not: the new file stays its own, as a new file would be.
  }
  fchmod(fd, attributes.mode);
}

std::optional<Failure> WriteWhole(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Failure{Failure::kWrite, written < 0 ? errno : EIO};
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (fsync(fd) != 0) return Failure{Failure::kWrite, errno};
  return std::nullopt;
}

#ifdef O_TMPFILE
// Gives the unnamed file (self: its /proc/self/fd path) the temporary name, then renames it
// over the target. Returns 0 or the error of the step that failed (EEXIST: the temporary name
// was taken).
int LinkThenRename(const char* self, const char* temporary, const char* path) {
  if (linkat(AT_FDCWD, self, AT_FDCWD, temporary, AT_SYMLINK_FOLLOW) != 0) return errno;
  if (rename(temporary, path) == 0) return 0;
  const int error = errno;
  unlink(temporary);
  return error;
}

// LinkThenRename in a child that shares this process's memory (vfork) and holds back the
// catchable signals as this one does: a kill of this process, even by SIGKILL, which nothing
// can hold back, then cannot fall between the two steps and leave the file under its
// temporary name. A process that may start no other does both itself.
int LinkAndRename(int fd, const char* self, const char* temporary, const char* path) {
  const pid_t child = vfork();
  if (child == 0) _exit(LinkThenRename(self, temporary, path));
  if (child < 0) return LinkThenRename(self, temporary, path);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno == EINTR) continue;
    // Reaped by the system (SIGCHLD ignored): whether the target is now this file tells.
    struct stat ours {}, target {};
    const bool replaced = fstat(fd, &ours) == 0 && stat(path, &target) == 0 && ours.st_dev == target.st_dev &&
                          ours.st_ino == target.st_ino;
    return replaced ? 0 : errno == ECHILD ? EIO : errno;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : EINTR;
}
#endif

// The unnamed way: the file exists only as the open descriptor until it is given a temporary
// name and at once renamed over the target. Sets unsupported, and does nothing, where the
// folder's file system has no unnamed files or /proc, which names them, is missing.
std::optional<Failure> ReplaceUnnamed(const std::string& path, std::string_view bytes,
                                      const Attributes& attributes, bool& unsupported) {
#ifdef O_TMPFILE
  unsupported = access("/proc/self/fd", X_OK) != 0;
  if (unsupported) return std::nullopt;
  const std::string folder = FolderOf(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  unsupported = fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL);
  if (fd < 0) return Failure{Failure::kCreate, errno};
  Apply(fd, attributes);
  std::optional<Failure> failure = WriteWhole(fd, bytes);
  if (!failure) {
    char self[32];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    const SignalsHeld held;
    int error = EEXIST;
    for (int tries = 0; tries < 100 && error == EEXIST; ++tries) {
      error = LinkAndRename(fd, self, TemporaryName(folder).c_str(), path.c_str());
    }
    if (error != 0) failure = Failure{Failure::kReplace, error};
  }
  close(fd);
  return failure;
#else
  (void)path, (void)bytes, (void)attributes;
  unsupported = true;
  return std::nullopt;
#endif
}

// The temporary file that a signal handler removes before the process ends as the signal
// says. A handler reaches nothing but static storage, so the name waits here, marked set only
// while a file exists under it.
char removeOnSignal[4096];
volatile sig_atomic_t removeOnSignalSet = 0;

void RemoveAndEnd(int signal) {
  if (removeOnSignalSet != 0) unlink(removeOnSignal);
  // The action was reset to the default on entry and the signal is not held: raised again, it
  // ends the process as it would have without the handler.
  raise(signal);
}

// While it lives, the ending signals left at their default action (those ignored or handled
// by someone else are not ours to take) remove the armed temporary file first.
class RemovalOnSignal {
 public:
  RemovalOnSignal() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      struct sigaction current {};
      caught_[i] = sigaction(kEndingSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
                   sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
  }
  ~RemovalOnSignal() {
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      if (caught_[i]) signal(kEndingSignals[i], SIG_DFL);
    }
  }
  RemovalOnSignal(const RemovalOnSignal&) = delete;
  RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;

  // Both with the signals held, so that a handler never sees half a name.
  void Arm(const std::string& name) {
    if (name.size() >= sizeof removeOnSignal) return;
    std::memcpy(removeOnSignal, name.c_str(), name.size() + 1);
    removeOnSignalSet = 1;
  }
  void Disarm() { removeOnSignalSet = 0; }

 private:
  bool caught_[std::size(kEndingSignals)] = {};
};

// The named way: a temporary file beside the target, removed on failure and on the signals,
// renamed over the target once written.
std::optional<Failure> ReplaceNamed(const std::string& path, std::string_view bytes,
                                    const Attributes& attributes) {
  std::string temporary = FolderOf(path) + ".corvane-XXXXXX";
  RemovalOnSignal removal;
  int fd;
  {
    const SignalsHeld held;
    fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd >= 0) removal.Arm(temporary);
  }
  if (fd < 0) return Failure{Failure::kCreate, errno};
  Apply(fd, attributes);
  std::optional<Failure> failure = WriteWhole(fd, bytes);
  if (close(fd) != 0 && !failure) failure = Failure{Failure::kWrite, errno};
  const SignalsHeld held;
  if (!failure && rename(temporary.c_str(), path.c_str()) != 0) failure = Failure{Failure::kReplace, errno};
  if (failure) unlink(temporary.c_str());
  removal.Disarm();
  return failure;
}

}  // namespace

std::optional<FileReplaceFailure> ReplaceFile(const std::string& path, std::string_view bytes,
                                              TemporaryFile temporary) {
  const Attributes attributes = AttributesFor(path);
  bool unsupported = true;
  if (temporary == TemporaryFile::kUnnamedWhereSupported) {
    std::optional<Failure> failure = ReplaceUnnamed(path, bytes, attributes, unsupported);
    if (!unsupported) return failure;
  }
  return ReplaceNamed(path, bytes, attributes);
}

}  // namespace corvane
