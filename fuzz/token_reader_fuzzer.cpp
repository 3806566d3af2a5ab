// Feeds arbitrary text to the token readers, each walked over the whole text token by token:
// ReadToken with the limits 1, 8 and 260, and ReadLabel. A token must be the text it stands
// for, within its limit; an empty or over-long one must be reported as such; each read must
// move on and stay inside the text. Limits count characters, as the readers do: a byte that is
// not a UTF-8 continuation byte begins one.
#include <cstring>
#include <string>

#include "commands/command_reader.h"
#include "fuzz_entry.h"
#include "platform/encoding.h"

namespace {

using corvane::TooLongMarker;

// Checks one successful read of a token from p that ended at next.
void CheckToken(const char* p, const char* next, const char* end, const std::string& token, std::size_t limit) {
  if (next <= p || next > end || corvane::CodePointCount(token) > limit) __builtin_trap();
  const char* start = corvane::SkipBlanks(p);
  if (*start == '"') {
    // The characters after the opening quote, up to a closing one or the end of the text.
    if (token.find('"') != std::string::npos || token.compare(0, token.size(), start + 1, token.size()) != 0) {
      __builtin_trap();
    }
  } else if (token != std::string(start, next) || token.find(' ') != std::string::npos) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int CORVANE_FUZZ_ENTRY(FuzzTokenReader)(const std::uint8_t* data, std::size_t size) {
  // The readers take a C string: the text ends at its first NUL.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const char* begin = text.c_str();
  const char* end = begin + std::strlen(begin);
  std::string token;

  for (const std::size_t limit : {1, 8, 260}) {
    for (const char* p = begin;;) {
      const char* next = corvane::ReadToken(p, token, limit);
      if (next == nullptr) {
        if (!token.empty() && token != TooLongMarker) __builtin_trap();
        break;
      }
      if (token.empty()) __builtin_trap();
      CheckToken(p, next, end, token, limit);
      p = next;
    }
  }

  for (const char* p = begin;;) {
    const char* next = corvane::ReadLabel(p, token);
    if (next == nullptr) {
      if (!token.empty() && token != TooLongMarker) __builtin_trap();
      break;
    }
    CheckToken(p, next, end, token, 100);  // an empty label is a pair of quotes, read past
    p = next;
  }
  return 0;
}
