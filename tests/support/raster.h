// PNG files read for comparison, through cairo's reader (libpng), which knows nothing of how
// Corvane wrote them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::testing {

// An image as seen on white paper: each pixel 0xRRGGBB.
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// The PNG file's image; none when it cannot be read.
std::optional<Raster> ReadPng(const std::string& path);

// The share (0 to 1) of pixels of two images of one size that differ by more than threshold in
// some channel.
double DifferingShare(const Raster& a, const Raster& b, int threshold);

}  // namespace corvane::testing
