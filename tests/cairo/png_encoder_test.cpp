#include "cairo/png_encoder.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace corvane {
namespace {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB
};

struct Reading {
  const std::string* bytes;
  std::size_t at = 0;
};

cairo_status_t ReadFrom(void* closure, unsigned char* data, unsigned int length) {
  auto& r = *static_cast<Reading*>(closure);
  if (r.bytes->size() - r.at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r.bytes->data() + r.at, length);
  r.at += length;
  return CAIRO_STATUS_SUCCESS;
}

// The PNG's image as libpng reads it (through cairo); none when it cannot be read.
bool Decode(const std::string& png, Image& image) {
  Reading reading{&png};
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(ReadFrom, &reading);
  const bool read = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  if (read) {
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
      for (int x = 0; x < image.width; ++x) image.pixels.push_back(row[x] & 0xFFFFFF);
    }
  }
  cairo_surface_destroy(surface);
  return read;
}

// Numbers that look random, the same on every run.
struct Noise {
  std::uint32_t state = 12345;
  std::uint32_t Next() { return state = state * 1664525u + 1013904223u; }
};

// Rows of 32-bit pixels with 8 bytes of padding after each, as cairo lays them out.
struct Pixels {
  int width;
  int height;
  std::vector<std::uint32_t> rows;
  int stride() const { return 4 * (width + 2); }
  std::uint32_t& at(int x, int y) { return rows[static_cast<std::size_t>(y * (width + 2) + x)]; }
};

Pixels Noisy(int width, int height) {
  Pixels p{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>((width + 2) * height))};
  Noise noise;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.at(x, y) = noise.Next() >> 8;
  }
  return p;
}

// Grey runs of every length from 1 to 300 pixels, rows repeated and rows changed in part, so
// that the filtered bytes hold runs of every length around the limits of a match.
Pixels Runs(int width, int height) {
  Pixels p{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>((width + 2) * height))};
  Noise noise;
  int length = 1;
  for (int y = 0; y < height; ++y) {
    if (y % 3 == 1) {  // the row above again
      for (int x = 0; x < width; ++x) p.at(x, y) = p.at(x, y - 1);
      continue;
    }
    for (int x = 0; x < width;) {
      const std::uint32_t grey = (noise.Next() >> 24) * 0x010101u;
      for (int k = 0; k < length && x < width; ++k) p.at(x++, y) = grey | 0xFF000000u;
      length = length % 300 + 1;
    }
  }
  return p;
}

// The decoded image is the encoded one, pixel for pixel, whatever its bytes: one pixel, runs
// of every length, and noise enough for the stream to take several blocks. The upper and lower
// rows are deflated apart, in two threads or one, to the same bytes.
TEST(PngEncoderTest, DecodesToThePixelsEncoded) {
  const std::pair<const char*, Pixels> cases[] = {
      {"one pixel", Noisy(1, 1)},
      {"two rows", Noisy(3, 2)},
      {"runs", Runs(997, 61)},
      {"noise", Noisy(640, 480)},
  };
  for (const auto& [name, pixels] : cases) {
    const auto* rows = reinterpret_cast<const unsigned char*>(pixels.rows.data());
    const std::string png = EncodePng(rows, pixels.width, pixels.height, pixels.stride(), 96, {});
    EXPECT_TRUE(EncodePng(rows, pixels.width, pixels.height, pixels.stride(), 96, {}, 2) == png) << name;
    Image image;
    ASSERT_TRUE(Decode(png, image)) << name;
    ASSERT_EQ(std::pair(image.width, image.height), std::pair(pixels.width, pixels.height)) << name;
    Pixels expected = pixels;
    std::size_t differing = 0;
    for (int y = 0; y < pixels.height; ++y) {
      for (int x = 0; x < pixels.width; ++x) {
        differing += image.pixels[static_cast<std::size_t>(y * pixels.width + x)] != (expected.at(x, y) & 0xFFFFFF);
      }
    }
    EXPECT_EQ(differing, 0u) << name;
  }
}

}  // namespace
}  // namespace corvane
