// Feeds arbitrary text to the reader of time values ([h:]m:s[.fff]). A value it accepts must be
// a whole, non-negative number of milliseconds that reads back the same when written out again;
// a value it refuses must leave the position where it was.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/data_values.h"
#include "fuzz_entry.h"

extern "C" int CORVANE_FUZZ_ENTRY(FuzzTimeValueReader)(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char* begin = text.c_str();
  const char* end = begin + std::strlen(begin);

  corvane::DataTable table;
  const char* p = begin;
  double milliseconds = -1;
  if (corvane::ReadTimeValue(table, p, milliseconds) != corvane::ValueError::kNone) {
    if (p != begin) __builtin_trap();
    return 0;
  }
  if (p <= begin || p > end) __builtin_trap();
  if (!std::isfinite(milliseconds) || milliseconds < 0 || milliseconds != std::floor(milliseconds)) {
    __builtin_trap();
  }

  // Written as h:mm:ss.fff, the value reads back the same, when that fits the 15 characters.
  const auto ms = static_cast<std::int64_t>(milliseconds);
  char written[64];
  const int length = std::snprintf(written, sizeof written, "%lld:%02lld:%02lld.%03lld",
                                   static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                                   static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
  if (length > 15) return 0;
  const char* again = written;
  double reread = -1;
  if (corvane::ReadTimeValue(table, again, reread) != corvane::ValueError::kNone || reread != milliseconds) {
    __builtin_trap();
  }
  return 0;
}
