#include "platform/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <mutex>
#include <set>

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
// bits, its owner and group. A new file is created with the permissions a plain create gives:
// the system applies the process's mask (or the folder's default ACL) itself, so that the mask
// is never read by setting it, which would hold for every thread of the process meanwhile.
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
  return {};
}

// The mode to create the file beside the target with: private until Apply gives it the
// replaced file's permissions; a plain create's for a new file.
mode_t CreationMode(const Attributes& attributes) { return attributes.replacing ? 0600 : 0666; }

// Owner and group where the process may give them (root may; a user may give a group of
// theirs), then the permissions, which a change of owner would have cleared of special bits.
void Apply(int fd, const Attributes& attributes) {
  if (!attributes.replacing) return;
  if (fchown(fd, attributes.owner, attributes.group) != 0 &&
      fchown(fd, static_cast<uid_t>(-1), attributes.group) != 0) {
    // The process may not: the new file stays its own, as a new file would be.
  }
  fchmod(fd, attributes.mode);
}

std::optional<Failure> WriteWhole(int fd, std::string_view bytes, FileFlush flush) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Failure{Failure::kWrite, written < 0 ? errno : EIO};
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (flush == FileFlush::kNow && fsync(fd) != 0) return Failure{Failure::kWrite, errno};
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
                                      const Attributes& attributes, FileFlush flush, bool& unsupported) {
#ifdef O_TMPFILE
  unsupported = access("/proc/self/fd", X_OK) != 0;
  if (unsupported) return std::nullopt;
  const std::string folder = FolderOf(path);
  const int fd =
      open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, CreationMode(attributes));
  unsupported = fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL);
  if (fd < 0) return Failure{Failure::kCreate, errno};
  Apply(fd, attributes);
  std::optional<Failure> failure = WriteWhole(fd, bytes, flush);
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
  (void)path, (void)bytes, (void)attributes, (void)flush;
  unsupported = true;
  return std::nullopt;
#endif
}

// The temporary files that a signal handler removes before the process ends as the signal
// says: one slot for each named replacement in progress, since a batch saves in several
// threads at once. A handler reaches nothing but static storage and lock-free atomics, so the
// names wait here, each marked armed only while its name is whole.
constexpr int kRemovalSlots = 64;
struct RemovalSlot {
  std::atomic<int> state{0};  // 0 free, 1 taken, 2 armed
  char name[4096];
};
RemovalSlot removeOnSignal[kRemovalSlots];
static_assert(std::atomic<int>::is_always_lock_free);

void RemoveAndEnd(int signal) {
  for (RemovalSlot& slot : removeOnSignal) {
    if (slot.state.load() == 2) unlink(slot.name);
  }
  // The action was reset to the default on entry and the signal is not held: raised again, it
  // ends the process as it would have without the handler.
  raise(signal);
}

// The handler is the process's, shared by the replacements of every thread: the first to begin
// puts it in place of each ending signal left at its default action (those ignored or handled
// by someone else are not ours to take), the last to end puts the defaults back.
std::mutex handlerMutex;
int handlerUsers = 0;
bool handlerCaught[std::size(kEndingSignals)] = {};

void TakeEndingSignals() {
  const std::lock_guard lock(handlerMutex);
  if (handlerUsers++ > 0) return;
  struct sigaction action {};
  action.sa_handler = RemoveAndEnd;
  action.sa_flags = SA_RESETHAND | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    struct sigaction current {};
    handlerCaught[i] = sigaction(kEndingSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
                       sigaction(kEndingSignals[i], &action, nullptr) == 0;
  }
}

void GiveBackEndingSignals() {
  const std::lock_guard lock(handlerMutex);
  if (--handlerUsers > 0) return;
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    if (handlerCaught[i]) signal(kEndingSignals[i], SIG_DFL);
  }
}

// While it lives, the ending signals remove the temporary file named in its slot first.
class RemovalOnSignal {
 public:
  RemovalOnSignal() {
    TakeEndingSignals();
    for (RemovalSlot& slot : removeOnSignal) {
      int free = 0;
      if (slot.state.compare_exchange_strong(free, 1)) {
        slot_ = &slot;
        break;
      }
    }
  }
  ~RemovalOnSignal() {
    if (slot_ != nullptr) slot_->state.store(0);
    GiveBackEndingSignals();
  }
  RemovalOnSignal(const RemovalOnSignal&) = delete;
  RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;

  // Armed before the file is made under the name, so that no moment exists, in any thread,
  // when the file is there and a signal would not remove it. Without a free slot (more saves
  // at once than slots) the file is still written whole, but a kill may leave it behind.
  void Arm(const std::string& name) {
    if (slot_ == nullptr || name.size() >= sizeof slot_->name) return;
    std::memcpy(slot_->name, name.c_str(), name.size() + 1);
    slot_->state.store(2);
  }
  void Disarm() {
    if (slot_ != nullptr) slot_->state.store(1);
  }

 private:
  RemovalSlot* slot_ = nullptr;
};

// The named way: a temporary file beside the target, removed on failure and on the signals,
// renamed over the target once written.
std::optional<Failure> ReplaceNamed(const std::string& path, std::string_view bytes,
                                    const Attributes& attributes, FileFlush flush) {
  const std::string folder = FolderOf(path);
  RemovalOnSignal removal;
  std::string temporary;
  int fd = -1;
  for (int tries = 0; tries < 100 && fd < 0; ++tries) {
    temporary = TemporaryName(folder);
    removal.Arm(temporary);
    fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, CreationMode(attributes));
    if (fd >= 0) break;
    const int error = errno;
    removal.Disarm();  // the name is someone else's, or nothing was made under it
    if (error != EEXIST) return Failure{Failure::kCreate, error};
  }
  if (fd < 0) return Failure{Failure::kCreate, EEXIST};
  Apply(fd, attributes);
  std::optional<Failure> failure = WriteWhole(fd, bytes, flush);
  if (close(fd) != 0 && !failure) failure = Failure{Failure::kWrite, errno};
  const SignalsHeld held;
  if (!failure && rename(temporary.c_str(), path.c_str()) != 0) failure = Failure{Failure::kReplace, errno};
  if (failure) unlink(temporary.c_str());
  removal.Disarm();
  return failure;
}

// Flushes the whole file system the open folder is on, its files' bytes and its folders.
int FlushFileSystemOf(int fd) {
#ifdef __linux__
  return syncfs(fd) == 0 ? 0 : errno;
#else
  (void)fd;
  sync();
  return 0;
#endif
}

}  // namespace

std::optional<FileReplaceFailure> ReplaceFile(const std::string& path, std::string_view bytes,
                                              TemporaryFile temporary, FileFlush flush) {
  const Attributes attributes = AttributesFor(path);
  bool unsupported = true;
  if (temporary == TemporaryFile::kUnnamedWhereSupported) {
    std::optional<Failure> failure = ReplaceUnnamed(path, bytes, attributes, flush, unsupported);
    if (!unsupported) return failure;
  }
  return ReplaceNamed(path, bytes, attributes, flush);
}

int FlushFileSystems(const std::vector<std::string>& paths) {
  std::set<std::string> folders;
  for (const std::string& path : paths) folders.insert(FolderOf(path));
  std::set<dev_t> flushed;
  for (const std::string& folder : folders) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0) {
      // A folder the process may write but not read, or one gone since: the whole system's
      // flush reaches what is left of it.
      if (fd >= 0) close(fd);
      sync();
      return 0;
    }
    const int error = flushed.insert(info.st_dev).second ? FlushFileSystemOf(fd) : 0;
    close(fd);
    if (error != 0) return error;
  }
  return 0;
}

}  // namespace corvane
