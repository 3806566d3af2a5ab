// The command text a run reads: what a Windows program receives as its raw command line,
// rebuilt from the arguments the shell has already split.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

struct CommandLine {
  std::string text;
  // Where each argument begins in the text (at its opening quote when quoted).
  std::vector<std::size_t> argumentStarts;
  // The position (counting from 1) of the first argument that cannot be passed as exactly
  // one token, or 0 when every argument can; the text is then not to be read.
  int refusedArgument = 0;
};

// Joins the arguments (without the program name) with single blanks, each in UTF-8 (one that
// is not valid UTF-8 read as Windows-1252), so that the command reader takes each argument as exactly one
// token. An argument the reader would split or shorten (one that is empty, holds a blank or
// begins with a byte the reader skips) is put in double quotes, as is one holding a tab. The
// command language has no escape, so such an argument that also holds a double quote, or any
// argument beginning with one, cannot be passed: a user's text must never turn into commands.
CommandLine CommandLineText(int argc, const char* const* argv);

}  // namespace corvane
