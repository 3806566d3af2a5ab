#include "commands/log_commands.h"

#include "commands/command_context.h"
#include "commands/handler_support.h"

namespace corvane {

const char* LogCommand(CommandContext& run, const char* args) {
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Log - no filename",
                                     "ERROR: Log - filename too long");
  if (next == nullptr) return nullptr;
  run.log.SetLogFile(name);
  run.log.LogMessage("Corvane %s Started", kVersion);
  return next;
}

const char* ErrorsCommand(CommandContext& run, const char* args) {
  std::string name;
  const char* next = ReadTokenOrFail(run, args, name, kMaxFileNameLength, "ERROR: Errors - no filename",
                                     "ERROR: Errors - filename too long");
  if (next == nullptr) return nullptr;
  run.log.SetErrorsFile(name);
  return next;
}

}  // namespace corvane
