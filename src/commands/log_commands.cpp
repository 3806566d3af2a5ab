#include "commands/log_commands.h"

#include "commands/command_context.h"
#include "commands/handler_support.h"

namespace corvane {

// A failed log or errors command leaves no file of its kind for the rest of the run, its own
// message included, so the name an earlier command gave is dropped before reading the new one.
const char* LogCommand(CommandContext& run, const char* args) {
  run.log.SetLogFile("");
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Log - no filename",
                                     "ERROR: Log - filename too long");
  if (next == nullptr) return nullptr;
  run.log.SetLogFile(name);
  run.log.LogMessage("Corvane %s Started", kVersion);
  return next;
}

const char* ErrorsCommand(CommandContext& run, const char* args) {
  run.log.SetErrorsFile("");
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Errors - no filename",
                                     "ERROR: Errors - filename too long");
  if (next == nullptr) return nullptr;
  run.log.SetErrorsFile(name);
  return next;
}

}  // namespace corvane
