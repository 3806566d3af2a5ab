// The log and errors commands: name the files the run log writes to.
#pragma once

namespace corvane {

struct Run;

const char* LogCommand(Run& run, const char* args);
const char* ErrorsCommand(Run& run, const char* args);

}  // namespace corvane
