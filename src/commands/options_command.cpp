#include "commands/options_command.h"

#include <utility>

#include "commands/command_context.h"
#include "commands/command_reader.h"
#include "commands/handler_support.h"
#include "commands/input_files.h"
#include "platform/text_file.h"

namespace corvane {
namespace {

// A read takes at most 499 characters, as a line buffer of 500 with its NUL did. Characters,
// not bytes: a Windows-1252 line arrives as UTF-8, up to three bytes a character.
constexpr std::size_t kLineLimit = 500;

// Processes the file's lines; returns false after the first failing line.
bool ProcessOptionsFile(CommandContext& run, TextFileReader& file, const std::string& name) {
  std::string line;
  int lineNumber = 0;
  while (file.ReadLine(line, kLineLimit)) {
    ++lineNumber;
    if (!line.empty() && IsBlank(line.back())) line.pop_back();
    if (ProcessCommands(run, line.data()) != 0) {
      run.log.LogMessage("ERROR: in [%s] at line %d", name.c_str(), lineNumber);
      return false;
    }
  }
  return true;
}

}  // namespace

const char* OptionsCommand(CommandContext& run, const char* args) {
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Options - no filename",
                                     "ERROR: Options - filename too long");
  if (next == nullptr) return nullptr;
  if (run.optionsDepth >= kMaxOptionsDepth) {
    return Fail(run, "ERROR: Options - files nested more than %d deep, not opening [%s]", kMaxOptionsDepth,
                name.c_str());
  }
  if (run.optionsOpened >= kMaxOptionsFiles) {
    return Fail(run, "ERROR: Options - more than %d options files opened, not opening [%s]", kMaxOptionsFiles,
                name.c_str());
  }
  InputFile file = OpenInputFile(run, name);
  if (file.standardInputRead) return Fail(run, "ERROR: Options - standard input already read");
  if (!file.reader) return Fail(run, "ERROR: Options - could not open [%s], error=%d", name.c_str(), file.error);
  ++run.optionsOpened;

  const std::string& path = file.path;
  run.log.LogMessage("Processing options file [%s]...", path.c_str());
  ++run.optionsDepth;
  // Standard input has no folder: names in it are taken from the current folder only.
  std::string outerFolder = std::exchange(run.optionsFolder, path == "-" ? std::string() : FolderOf(path));
  const bool ok = ProcessOptionsFile(run, *file.reader, path);
  run.optionsFolder = std::move(outerFolder);
  --run.optionsDepth;
  file.reader.reset();
  run.log.LogMessage("Completed processing options file [%s]", path.c_str());
  return ok ? next : nullptr;
}

}  // namespace corvane
