// Runs a program as a child process and collects what it printed, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

namespace corvane::testing {

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the program with the arguments in the given working folder ("" for the current one),
// with extra environment entries ("NAME=value") added to or replacing the current ones, and
// with the input as its standard input.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir = "",
                         const std::vector<std::string>& extraEnv = {}, const std::string& input = "");

// Runs the built corvane executable.
ProcessResult RunCorvane(const std::vector<std::string>& args, const std::string& workingDir = "",
                         const std::vector<std::string>& extraEnv = {}, const std::string& input = "");

// The arguments followed by more.
std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more);

// The words of a command line as a shell passes them: split at blanks, except inside single
// or double quotes, which group and are removed (no escapes, no expansions).
std::vector<std::string> Words(const std::string& text);

// The text with each "{TEXT*N}" written as TEXT N times, as the tables of command lines write
// long ones.
std::string Expand(std::string text);

}  // namespace corvane::testing
