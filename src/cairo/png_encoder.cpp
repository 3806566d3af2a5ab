#include "cairo/png_encoder.h"

#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace corvane {
namespace {

void PutUint32(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value >> 24);
  out += static_cast<char>(value >> 16);
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value);
}

// A chunk: its length, type, data and the CRC of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutUint32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
  PutUint32(out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), bytes, static_cast<uInt>(out.size() - start))));
}

// The text in Latin-1 when every character has a place there; none otherwise.
bool ToLatin1(const std::string& utf8, std::string& latin1) {
  latin1.clear();
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      latin1 += static_cast<char>(b);
    } else if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8.size()) {
      latin1 += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    } else {
      return false;
    }
  }
  return true;
}

// tEXt when the text is Latin-1, as most readers expect; iTXt, in UTF-8, when it is not.
void PutText(std::string& out, const PngText& text) {
  std::string data = text.keyword;
  data += '\0';
  std::string latin1;
  if (ToLatin1(text.text, latin1)) {
    PutChunk(out, "tEXt", data + latin1);
  } else {
    data.append("\0\0\0\0", 4);  // not compressed, method 0, no language, no translated keyword
    PutChunk(out, "iTXt", data + text.text);
  }
}

// The rows, each behind its filter byte (Up, but None for the first row), deflated.
std::string CompressRows(const unsigned char* pixels, int width, int height, int stride) {
  z_stream z{};
  deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  const std::size_t rowBytes = 1 + 3 * static_cast<std::size_t>(width);
  std::vector<unsigned char> row(rowBytes), previous(rowBytes), filtered(rowBytes);
  std::string out;
  unsigned char buffer[1 << 16];
  for (int y = 0; y < height; ++y) {
    const auto* source = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
    unsigned char* p = row.data() + 1;
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel;
      std::memcpy(&pixel, source + 4 * static_cast<std::size_t>(x), 4);
      *p++ = static_cast<unsigned char>(pixel >> 16);
      *p++ = static_cast<unsigned char>(pixel >> 8);
      *p++ = static_cast<unsigned char>(pixel);
    }
    filtered[0] = y == 0 ? 0 : 2;
    for (std::size_t i = 1; i < rowBytes; ++i) {
      filtered[i] = y == 0 ? row[i] : static_cast<unsigned char>(row[i] - previous[i]);
    }
    z.next_in = filtered.data();
    z.avail_in = static_cast<uInt>(rowBytes);
    const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = buffer;
      z.avail_out = sizeof buffer;
      deflate(&z, flush);
      out.append(reinterpret_cast<const char*>(buffer), sizeof buffer - z.avail_out);
    } while (z.avail_out == 0);
    row.swap(previous);
  }
  deflateEnd(&z);
  return out;
}

}  // namespace

std::string EncodePng(const unsigned char* pixels, int width, int height, int stride, int dpi,
                      const std::vector<PngText>& texts) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  PutUint32(header, static_cast<std::uint32_t>(width));
  PutUint32(header, static_cast<std::uint32_t>(height));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, not interlaced
  PutChunk(png, "IHDR", header);

  std::string physical;
  const auto perMetre = static_cast<std::uint32_t>(std::lround(dpi / 0.0254));
  PutUint32(physical, perMetre);
  PutUint32(physical, perMetre);
  physical += '\x01';  // the unit is the metre
  PutChunk(png, "pHYs", physical);

  for (const PngText& text : texts) PutText(png, text);
  PutChunk(png, "IDAT", CompressRows(pixels, width, height, stride));
  PutChunk(png, "IEND", "");
  return png;
}

}  // namespace corvane
