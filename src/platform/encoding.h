// Text inside Corvane is UTF-8, and every length limit counts characters (code points), so a
// limit stays what it was when text was Windows-1252. At the edge, a piece of text (an
// argument, a line of a file) that is valid UTF-8 is taken as it is; one that is not is read
// as Windows-1252, the encoding of older files. The PDF standard fonts take Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Whether every byte of the text is ASCII, which needs no decoding.
inline bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if ((c & 0x80) != 0) return false;
  }
  return true;
}

// Whether the text is strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The text as it is when it is valid UTF-8; otherwise each byte read as Windows-1252.
std::string ToUtf8(std::string_view text);

// Every Windows-1252 byte becomes its UTF-8 form.
std::string Windows1252ToUtf8(std::string_view text);

// The character that starts at byte i, moving i past it. A byte that does not begin a valid
// sequence is one character: its Windows-1252 meaning, so no text ever fails to decode.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

void AppendUtf8(std::string& out, char32_t codePoint);

// The number of characters in the text.
std::size_t CodePointCount(std::string_view text);

// How many bytes the first `count` characters take (the whole text when it has fewer).
std::size_t CodePointPrefix(std::string_view text, std::size_t count);

// The byte of the character in Windows-1252, none when it has none.
std::optional<unsigned char> Windows1252Byte(char32_t codePoint);

// Whether every character of the text exists in Windows-1252.
bool FitsWindows1252(std::string_view text);

// The text in Windows-1252; a character it cannot hold becomes '?' (callers test first).
std::string ToWindows1252(std::string_view text);

}  // namespace corvane
