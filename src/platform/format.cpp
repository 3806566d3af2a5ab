#include "platform/format.h"

#include <cstdio>

namespace corvane {

std::string FormatText(const char* format, std::va_list args) {
  char buffer[kMessageBufferSize];
  const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (written < 0) return std::string();
  const std::size_t length =
      static_cast<std::size_t>(written) < sizeof buffer ? written : sizeof buffer - 1;
  return std::string(buffer, length);
}

std::string Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string text = FormatText(format, args);
  va_end(args);
  return text;
}

}  // namespace corvane
