// The command text a run reads: what a Windows program receives as its raw command line,
// rebuilt from the arguments the shell has already split.
#pragma once

#include <string>

namespace corvane {

// Joins the arguments (without the program name) with single blanks. An argument that is
// empty or holds a blank is put back in double quotes, unless it already holds a double
// quote: then the user quoted it their own way and it is passed as typed. Each argument is
// converted from UTF-8 to Windows-1252 first.
std::string CommandLineText(int argc, const char* const* argv);

}  // namespace corvane
