// Writing a whole file so that no reader, crash, kill or full disk ever sees half of it: the
// file named is always either the one it replaces or the whole new one, and nothing is left
// beside it. The bytes are written into a file of their own in the same folder and given the
// file's name only once they are on disk, by a rename, the one step a file system does at once.
// On Linux that file has no name while it is written (O_TMPFILE), so a run that dies leaves
// nothing; elsewhere it has a temporary name that the catchable signals remove.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Where a replacement failed, with the system's error number.
struct FileReplaceFailure {
  enum Step { kCreate, kWrite, kReplace } step;  // the file beside it, its bytes, the rename
  int error;
};

// How the bytes are held before they take the file's name. Named is what systems without
// unnamed files get; tests ask for it to try that way on Linux too.
enum class TemporaryFile { kUnnamedWhereSupported, kNamed };

// Whether the bytes reach the disk before the file takes its name (one flush a file), or only
// when FlushFileSystems is called for many files at once. Either way every reader sees the old
// file or the whole new one; later only leaves the new one to the system's own flush until then.
enum class FileFlush { kNow, kLater };

// Writes the bytes (a file-system name) in place of the file at path, creating it if missing.
// A replaced file's permissions are kept, without setuid, setgid and sticky bits, and so are
// its owner and group as far as the process may set them; a new file gets the permissions a
// plain create gives. Returns the failure, or nothing once the new file is in place. Safe to
// call from several threads at once.
std::optional<FileReplaceFailure> ReplaceFile(const std::string& path, std::string_view bytes,
                                              TemporaryFile temporary = TemporaryFile::kUnnamedWhereSupported,
                                              FileFlush flush = FileFlush::kNow);

// Flushes to disk, once each, the file systems that hold the files (paths as ReplaceFile took
// them), with their folders. Returns 0, or the system's error number when a flush failed.
int FlushFileSystems(const std::vector<std::string>& paths);

}  // namespace corvane
