// Message formatting: printf-style into a 1024-byte buffer, as every log line is built.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kMessageBufferSize = 1024;

// Formats into a 1024-byte buffer: anything beyond 1023 characters is cut off.
std::string FormatText(const char* format, std::va_list args);

// The same with the arguments given directly.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A Windows-1252 text with every control character but the tab written as an escape: "\n",
// "\r" or "\xNN" (also for DEL and the five bytes that stand for C1 controls), so that a line
// built from it stays one line and carries no terminal controls.
std::string EscapeControls(std::string_view text);

}  // namespace corvane
