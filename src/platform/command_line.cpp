#include "platform/command_line.h"

#include "platform/encoding.h"

namespace corvane {

std::string CommandLineText(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = Utf8ToWindows1252(argv[i]);
    if (i > 1) text += ' ';
    const bool needsQuotes =
        argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    if (needsQuotes && argument.find('"') == std::string::npos) {
      text += '"' + argument + '"';
    } else {
      text += argument;
    }
  }
  return text;
}

}  // namespace corvane
