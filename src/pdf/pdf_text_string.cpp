#include "pdf/pdf_text_string.h"

#include <optional>

#include "platform/encoding.h"

namespace corvane {
namespace {

// The characters of PDFDocEncoding's codes 0x18..0x1F and 0x80..0xA0 (0x9F has none); from
// 0xA1 on its codes are Latin-1, but for 0xAD, which it leaves undefined.
constexpr char32_t kLowCodes[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
constexpr char32_t kHighCodes[33] = {
    0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039, 0x203A, 0x2212,
    0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A, 0x2122, 0xFB01, 0xFB02, 0x0141,
    0x0152, 0x0160, 0x0178, 0x017D, 0x0131, 0x0142, 0x0153, 0x0161, 0x017E, 0, 0x20AC};

// ASCII passes whole, control characters included, as it always has.
std::optional<unsigned char> PdfDocCode(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(cp);
  if (cp >= 0xA1 && cp <= 0xFF && cp != 0xAD) return static_cast<unsigned char>(cp);
  for (int i = 0; i < 8; ++i) {
    if (kLowCodes[i] == cp) return static_cast<unsigned char>(0x18 + i);
  }
  for (int i = 0; i < 33; ++i) {
    if (kHighCodes[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf16(std::string& out, char32_t cp) {
  auto unit = [&out](char32_t u) {
    out += static_cast<char>(u >> 8);
    out += static_cast<char>(u & 0xFF);
  };
  if (cp < 0x10000) {
    unit(cp);
  } else {
    unit(0xD800 + ((cp - 0x10000) >> 10));
    unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
  }
}

}  // namespace

PdfTextString ToPdfTextString(std::string_view utf8) {
  if (IsAscii(utf8)) return PdfTextString{std::string(utf8), false};
  PdfTextString out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto code = PdfDocCode(NextCodePoint(utf8, i));
    if (!code) {
      out.bytes = "\xFE\xFF";
      out.utf16 = true;
      break;
    }
    out.bytes += static_cast<char>(*code);
  }
  if (!out.utf16) return out;
  for (std::size_t i = 0; i < utf8.size();) AppendUtf16(out.bytes, NextCodePoint(utf8, i));
  return out;
}

}  // namespace corvane
