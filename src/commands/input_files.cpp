#include "commands/input_files.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

#include "commands/command_context.h"

namespace corvane {

InputFile OpenInputFile(CommandContext& run, const std::string& name) {
  InputFile input;
  input.path = name;
  if (name == "-") {
    if (run.standardInput == nullptr) {
      input.standardInputRead = true;
      return input;
    }
    std::FILE* in = std::exchange(run.standardInput, nullptr);
    // A stream of its own over the same descriptor, which the reader may close: the run's
    // standard input stays the process's.
    const int fd = dup(fileno(in));
    std::FILE* stream = fd < 0 ? nullptr : fdopen(fd, "rb");
    if (stream == nullptr) {
      input.error = errno;
      if (fd >= 0) close(fd);
      return input;
    }
    input.reader = std::make_unique<TextFileReader>(stream);
    return input;
  }
  input.reader = TextFileReader::Open(name, input.error);
  if (input.reader == nullptr && input.error == ENOENT && !name.starts_with('/') && !run.optionsFolder.empty()) {
    const std::string beside = run.optionsFolder + name;
    int besideError = 0;
    if (auto reader = TextFileReader::Open(beside, besideError)) {
      input = InputFile{std::move(reader), beside};
    }
  }
  return input;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace corvane
