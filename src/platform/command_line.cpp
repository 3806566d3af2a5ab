#include "platform/command_line.h"

#include "platform/encoding.h"

namespace corvane {
namespace {

// The command reader skips the bytes 1..32 before a token, ends an unquoted token at a space
// only, and takes a token that begins with a double quote as quoted.
bool ReaderSkips(char c) { return static_cast<unsigned char>(c) <= 32; }

bool PassesUnquoted(const std::string& argument) {
  return !argument.empty() && !ReaderSkips(argument[0]) && argument[0] != '"' &&
         argument.find(' ') == std::string::npos;
}

}  // namespace

CommandLine CommandLineText(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = ToUtf8(argv[i]);
    const bool holdsQuote = argument.find('"') != std::string::npos;
    if (!PassesUnquoted(argument) && holdsQuote) return CommandLine{"", {}, i};
    if (i > 1) line.text += ' ';
    line.argumentStarts.push_back(line.text.size());
    const bool quoted = !holdsQuote && (!PassesUnquoted(argument) || argument.find('\t') != std::string::npos);
    line.text += quoted ? '"' + argument + '"' : argument;
  }
  return line;
}

}  // namespace corvane
