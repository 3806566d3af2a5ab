// Message formatting: printf-style into a 1024-byte buffer, as every log line is built.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kMessageBufferSize = 1024;

// Formats into a 1024-byte buffer: anything beyond 1023 bytes is cut off, never inside a
// character. The precision of a text ("%.200s") counts characters.
std::string FormatText(const char* format, std::va_list args);

// The same with the arguments given directly.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text with every control character but the tab written as an escape: "\n", "\r" or
// "\xNN" (also for DEL and the C1 controls U+0080..U+009F), so that a line built from it stays
// one line and carries no terminal controls. Bytes that are not UTF-8 are written as the
// Windows-1252 characters they stand for, so every line is UTF-8.
std::string EscapeControls(std::string_view text);

}  // namespace corvane
