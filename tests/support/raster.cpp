#include "support/raster.h"

#include <cairo.h>

#include <cstdlib>

namespace corvane::testing {

std::optional<Raster> ReadPng(const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return std::nullopt;
  }
  Raster raster;
  raster.width = cairo_image_surface_get_width(surface);
  raster.height = cairo_image_surface_get_height(surface);
  const bool alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < raster.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < raster.width; ++x) {
      // Premultiplied: what is missing of the alpha is the white paper showing through.
      const std::uint32_t p = row[x];
      const std::uint32_t paper = alpha ? 255 - (p >> 24) : 0;
      std::uint32_t rgb = 0;
      for (int shift = 16; shift >= 0; shift -= 8) rgb |= (((p >> shift) & 255) + paper) << shift;
      raster.pixels.push_back(rgb);
    }
  }
  cairo_surface_destroy(surface);
  return raster;
}

double DifferingShare(const Raster& a, const Raster& b, int threshold) {
  std::size_t differing = 0;
  for (std::size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    for (int shift = 16; shift >= 0; shift -= 8) {
      const int d = static_cast<int>((a.pixels[i] >> shift) & 255) - static_cast<int>((b.pixels[i] >> shift) & 255);
      if (std::abs(d) > threshold) {
        ++differing;
        break;
      }
    }
  }
  return a.pixels.empty() ? 0 : static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

}  // namespace corvane::testing
