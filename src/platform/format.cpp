#include "platform/format.h"

#include <algorithm>
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

std::string EscapeControls(std::string_view text) {
  const auto isControl = [](unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
  };
  if (std::none_of(text.begin(), text.end(), isControl)) return std::string(text);
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!isControl(byte)) {
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    }
  }
  return out;
}

std::string Format(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string text = FormatText(format, args);
  va_end(args);
  return text;
}

}  // namespace corvane
