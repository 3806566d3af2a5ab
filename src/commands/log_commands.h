// The log and errors commands: name the files the run log writes to.
#pragma once

namespace corvane {

struct CommandContext;

const char* LogCommand(CommandContext& run, const char* args);
const char* ErrorsCommand(CommandContext& run, const char* args);

}  // namespace corvane
