#include "platform/format.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/encoding.h"

namespace corvane {

namespace {

// One conversion of a format, printed alone; a text's precision counts characters, and a text
// is never cut inside one.
void AppendConversion(std::string& out, const std::string& spec, char conversion, const std::string& length,
                      int star[2], int stars, bool precise, int precision, std::va_list& args) {
  char piece[kMessageBufferSize];
  int written = 0;
  const char* f = spec.c_str();
  auto print = [&](auto value) {
    written = stars == 2   ? std::snprintf(piece, sizeof piece, f, star[0], star[1], value)
              : stars == 1 ? std::snprintf(piece, sizeof piece, f, star[0], value)
                           : std::snprintf(piece, sizeof piece, f, value);
  };
  switch (conversion) {
    case 's': {
      const char* text = va_arg(args, const char*);
      if (text == nullptr) text = "(null)";
      if (precise && precision >= 0) {
        const std::string_view whole(text);
        const std::size_t bytes = CodePointPrefix(whole.substr(0, std::min(whole.size(), kMessageBufferSize * 4)),
                                                  static_cast<std::size_t>(precision));
        out.append(text, bytes);
        return;
      }
      print(text);
      break;
    }
    case 'd': case 'i': case 'c':
      if (length == "ll") print(va_arg(args, long long));
      else if (length == "l") print(va_arg(args, long));
      else if (length == "z") print(va_arg(args, std::size_t));
      else print(va_arg(args, int));
      break;
    case 'u': case 'x': case 'X': case 'o':
      if (length == "ll") print(va_arg(args, unsigned long long));
      else if (length == "l") print(va_arg(args, unsigned long));
      else if (length == "z") print(va_arg(args, std::size_t));
      else print(va_arg(args, unsigned));
      break;
    case 'p':
      print(va_arg(args, void*));
      break;
    default:  // the floating-point conversions
      print(va_arg(args, double));
      break;
  }
  if (written > 0) out.append(piece, std::min(static_cast<std::size_t>(written), sizeof piece - 1));
}

// Whether the format gives a text a precision ("%.200s"), which must count characters.
bool CutsText(const char* format) {
  for (const char* p = std::strchr(format, '.'); p != nullptr && *p != 0; ++p) {
    if (p[0] != '.' || p[1] == 0) continue;
    const char* q = p + 1;
    while ((*q >= '0' && *q <= '9') || *q == '*') ++q;
    if (*q == 's') return true;
  }
  return false;
}

}  // namespace

std::string FormatText(const char* format, std::va_list args) {
  if (!CutsText(format)) {
    char buffer[kMessageBufferSize];
    const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (written < 0) return std::string();
    std::size_t length = static_cast<std::size_t>(written) < sizeof buffer ? written : sizeof buffer - 1;
    // Cut short, the text ends before the character the cut fell in.
    if (length == sizeof buffer - 1) {
      std::size_t lead = length;
      while (lead > 0 && length - lead < 4 && (static_cast<unsigned char>(buffer[lead - 1]) & 0xC0) == 0x80) --lead;
      if (lead > 0) {
        const auto first = static_cast<unsigned char>(buffer[lead - 1]);
        const std::size_t needed = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        if (length - (lead - 1) < needed) length = lead - 1;
      }
    }
    return std::string(buffer, length);
  }
  std::va_list walk;
  va_copy(walk, args);
  std::string out;
  for (const char* p = format; *p != 0; ++p) {
    if (*p != '%') {
      out += *p;
      continue;
    }
    if (p[1] == '%') {
      out += '%';
      ++p;
      continue;
    }
    const char* start = p++;
    while (*p != 0 && std::strchr("-+ #0", *p) != nullptr) ++p;
    int star[2] = {0, 0};
    int stars = 0;
    if (*p == '*') {
      star[stars++] = va_arg(walk, int);
      ++p;
    }
    while (*p >= '0' && *p <= '9') ++p;
    bool precise = false;
    int precision = -1;
    if (*p == '.') {
      precise = true;
      ++p;
      if (*p == '*') {
        precision = va_arg(walk, int);
        star[stars++] = precision;
        ++p;
      } else {
        precision = 0;
        while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
      }
    }
    const char* lengthStart = p;
    while (*p == 'h' || *p == 'l' || *p == 'z') ++p;
    const std::string length(lengthStart, p);
    if (*p == 0) break;
    AppendConversion(out, std::string(start, p + 1), *p, length, star, stars, precise, precision, walk);
    if (out.size() >= kMessageBufferSize) break;
  }
  va_end(walk);
  if (out.size() > kMessageBufferSize - 1) {
    std::size_t cut = kMessageBufferSize - 1;
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
  }
  return out;
}

std::string EscapeControls(std::string_view text) {
  const auto plain = [](char c) { return (c >= 0x20 && c < 0x7F) || c == '\t'; };
  if (std::all_of(text.begin(), text.end(), plain)) return std::string(text);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if ((c >= 0x20 && c != 0x7F && (c < 0x80 || c > 0x9F)) || c == '\t') {
      AppendUtf8(out, c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(c));
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
