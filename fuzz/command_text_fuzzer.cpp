// Feeds arbitrary bytes to a whole run as its command line: commands, checks, sort, scale,
// and the document with its chart, saved to a temporary file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/run.h"
#include "fuzz_entry.h"
#include "platform/clock.h"
#include "platform/compare.h"

namespace {

// Commands that name files would write files wherever the input says, or read devices
// that never end, and openpdf would start a viewer; file contents have a target of their own.
bool NamesAFile(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '-') continue;
    for (std::string_view word : {"log", "errors", "options", "dataset", "output", "openpdf"}) {
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

  static const std::string output =
      (std::filesystem::temp_directory_path() / ("corvane-fuzz-" + std::to_string(getpid()))).string();
  static std::FILE* const devNull = std::fopen("/dev/null", "w");
  const corvane::SystemClock clock;
  corvane::Run run(clock, devNull);
  corvane::RunSequence(run, "-Output \"" + output + "\" " + text);
  std::remove((output + ".pdf").c_str());
  return 0;
}
