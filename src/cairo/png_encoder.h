// A raster image as PNG bytes: 8-bit RGB, with its resolution (pHYs) and text chunks. The
// encoder is ours rather than libpng's through cairo, which records neither, and it filters
// and compresses for speed: a chart is large flat areas, which the "Up" filter turns into runs
// of zeros that zlib's fastest level packs well.
#pragma once

#include <string>
#include <vector>

namespace corvane {

// A text chunk: a keyword of PNG's ("Title", "Author", "Description", ...) and its UTF-8 text.
struct PngText {
  const char* keyword;
  std::string text;
};

// The PNG of an image whose rows hold 32-bit pixels 0x00RRGGBB (cairo's RGB24), stride bytes
// apart, drawn at dpi pixels per inch; compressed in two threads when threads is 2 or more,
// to the same bytes.
std::string EncodePng(const unsigned char* pixels, int width, int height, int stride, int dpi,
                      const std::vector<PngText>& texts, int threads = 1);

}  // namespace corvane
