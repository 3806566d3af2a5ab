// Splits a command text into items ("-" + command word + arguments), hands each to its
// handler and stops at the first error. The text is a writable, NUL-terminated buffer: the
// byte that ends a command word is overwritten with a NUL, as the handlers expect.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace corvane {

struct CommandContext;

// What a token reader leaves in the buffer when the token is longer than allowed, so a
// handler can tell a token that is too long from one that is missing.
inline constexpr char TooLongMarker[] = "\x01";

// Blanks are the bytes 1..32; inside an unquoted token only the space ends it. Bytes 128..255
// are parts of characters (the text is UTF-8), never blanks.
inline bool IsBlank(char c) { return c != 0 && static_cast<unsigned char>(c) <= 32; }

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

// Reads one token, quoted or not, of at most maxLength characters (not bytes) into buffer. Returns the
// position after it, or null when it is empty (buffer empty) or too long (TooLongMarker).
const char* ReadToken(const char* pos, std::string& buffer, std::size_t maxLength);

// ReadToken with a maximum of 100, where an empty pair of quotes is an empty label.
const char* ReadLabel(const char* pos, std::string& buffer);

// Processes every item of the text. Returns 0 when all succeeded, 1 after the first error,
// which has already been logged. For the command line, argumentStarts holds where each
// argument begins in the text: an item (a command or a comment) may begin only there, so that
// a reader stopping inside an argument (after the six digits of "#000000-OpenPDF") never lets
// the rest of a user's text be read as commands.
int ProcessCommands(CommandContext& run, char* text, std::span<const std::size_t> argumentStarts = {});

}  // namespace corvane
