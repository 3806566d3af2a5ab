#include "platform/encoding.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

// Code points of the bytes 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to
// the C1 control with the same number, as browsers do.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The length of the valid sequence at i, or 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t i, char32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  std::size_t extra;
  char32_t cp;
  char32_t lowest;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, lowest = 0x10000;
  } else {
    return 0;
  }
  if (i + extra >= text.size()) return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  codePoint = cp;
  return extra + 1;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  char32_t cp;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(text, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string ToUtf8(std::string_view text) {
  if (IsAscii(text) || IsValidUtf8(text)) return std::string(text);
  return Windows1252ToUtf8(text);
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  char32_t cp = 0;
  const std::size_t length = SequenceLength(text, i, cp);
  if (length == 0) {
    cp = CodePointOf(static_cast<unsigned char>(text[i]));
    ++i;
  } else {
    i += length;
  }
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Inside, text is UTF-8, so a character is a byte that is no continuation byte (10xxxxxx) and
// the continuation bytes after it; counting those is enough, and quick.
bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CodePointCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += Continues(c) ? 0 : 1;
  return count;
}

std::size_t CodePointPrefix(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < text.size(); ++i) {
    if (!Continues(text[i]) && n++ == count) break;
  }
  return i;
}

std::optional<unsigned char> Windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

bool FitsWindows1252(std::string_view text) {
  if (IsAscii(text)) return true;
  for (std::size_t i = 0; i < text.size();) {
    if (!Windows1252Byte(NextCodePoint(text, i))) return false;
  }
  return true;
}

std::string ToWindows1252(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = Windows1252Byte(NextCodePoint(text, i));
    out += byte ? static_cast<char>(*byte) : '?';
  }
  return out;
}

}  // namespace corvane
