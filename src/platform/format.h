// Message formatting: printf-style into a 1024-byte buffer, as every log line is built.
#pragma once

#include <cstdarg>
#include <string>

namespace corvane {

inline constexpr std::size_t kMessageBufferSize = 1024;

// Formats into a 1024-byte buffer: anything beyond 1023 characters is cut off.
std::string FormatText(const char* format, std::va_list args);

// The same with the arguments given directly.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace corvane
