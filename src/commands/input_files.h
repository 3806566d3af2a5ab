// The files the commands read: "-" names the run's standard input, which one command of a run
// may read; a relative name that is not found from the current folder is looked up beside the
// options file that names it, so that an options file and its datasets move together.
#pragma once

#include <memory>
#include <string>

#include "platform/text_file.h"

namespace corvane {

struct CommandContext;

struct InputFile {
  std::unique_ptr<TextFileReader> reader;  // null when the file could not be opened
  std::string path;                        // the path it was opened by, "-" for standard input
  int error = 0;                           // the system's error number when it could not be opened
  bool standardInputRead = false;          // "-" named once the run's standard input was read
};

InputFile OpenInputFile(CommandContext& run, const std::string& name);

// The folder part of a path with its final '/', or "" for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace corvane
