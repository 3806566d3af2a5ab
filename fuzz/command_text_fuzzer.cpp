// Feeds arbitrary bytes to the command reader as one command text, as if they were the
// whole command line, then sorts whatever data they gave.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/run.h"
#include "commands/command_reader.h"
#include "fuzz_entry.h"
#include "platform/clock.h"
#include "platform/compare.h"

namespace {

// Commands that name files would append log files wherever the input says, or read
// devices that never end; file contents have a target of their own.
bool NamesAFile(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '-') continue;
    for (std::string_view word : {"log", "errors", "options", "dataset"}) {
      if (corvane::EqualsNoCase(text.substr(i + 1, word.size()), word)) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int CORVANE_FUZZ_ENTRY(FuzzCommandText)(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (NamesAFile(text)) return 0;
  // The command line arrives as a C string: it ends at the first NUL.
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));

  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  if (corvane::ProcessCommands(run, text.data()) == 0) corvane::SortData(run.data);
  return 0;
}
