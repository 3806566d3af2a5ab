#include "cairo/cairo_surface.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "cairo/cairo_fonts.h"
#include "pdf/standard_font_metrics.h"
#include "render/path.h"
#include "support/test_run.h"

namespace corvane {
namespace {

constexpr double kWidth = 150;  // points
constexpr double kHeight = 100;

// A white page at 96 dpi drawn by the steps, as its pixels.
std::vector<std::uint32_t> Draw(const std::function<void(CairoSurface&)>& steps) {
  testing::TestRun t;
  StandardFontMetrics metrics;
  CairoFonts fonts(metrics, t.run.log);
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 133);
  cairo_t* cairo = cairo_create(image);
  cairo_set_source_rgb(cairo, 1, 1, 1);
  cairo_paint(cairo);
  cairo_scale(cairo, 96 / 72.0, 96 / 72.0);
  {
    CairoSurface surface(cairo, kWidth, kHeight, fonts);
    steps(surface);
  }
  cairo_destroy(cairo);
  cairo_surface_flush(image);
  std::vector<std::uint32_t> pixels;
  const unsigned char* data = cairo_image_surface_get_data(image);
  for (int y = 0; y < 133; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(image));
    for (int x = 0; x < 200; ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(image);
  return pixels;
}

// The largest difference of one channel between the images.
int LargestDifference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  int largest = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      largest = std::max(largest,
                         std::abs(static_cast<int>((a[i] >> shift) & 255) - static_cast<int>((b[i] >> shift) & 255)));
    }
  }
  return largest;
}

std::size_t Painted(const std::vector<std::uint32_t>& pixels) {
  return static_cast<std::size_t>(
      std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p != 0xFFFFFF; }));
}

struct Marker {
  const char* name;
  Path shape;
  Paint paint;
};

std::vector<Marker> Markers() {
  std::vector<Marker> markers(4);
  markers[0] = {"filled circle", {}, Paint::kFill};
  markers[0].shape.Circle(0, 0, 1.5);
  markers[1] = {"outline square", {}, Paint::kStroke};
  markers[1].shape.Rectangle(-2, -2, 4, 4);
  markers[2] = {"cross", {}, Paint::kStroke};
  markers[2].shape.MoveTo(-1.5, -1.5);
  markers[2].shape.LineTo(1.5, 1.5);
  markers[2].shape.MoveTo(1.5, -1.5);
  markers[2].shape.LineTo(-1.5, 1.5);
  markers[3] = {"filled diamond", {}, Paint::kFill};
  markers[3].shape.MoveTo(0, -2.5);
  markers[3].shape.LineTo(-2.5, 0);
  markers[3].shape.LineTo(0, 2.5);
  markers[3].shape.LineTo(2.5, 0);
  markers[3].shape.LineTo(0, -2.5);
  return markers;
}

// A stamp on pixels puts its shape where its path would be, in the colour and line width in
// force at each placing, to within the sixteenth of a pixel its masks are placed by: on the
// page, across its edges and beyond them.
TEST(CairoSurfaceTest, StampsPaintWhereTheirPathsWould) {
  const double places[][2] = {{10, 10}, {20.37, 30.81}, {33.333, 50.5}, {-1, 40}, {149.5, 99.2},
                              {75.01, -1.99}, {-10, -10}, {60.12, 70.88}};
  for (const Marker& marker : Markers()) {
    const auto placings = [&](CairoSurface& surface, const std::function<void(double, double)>& place) {
      surface.SetLineWidth(0.5);
      for (std::size_t i = 0; i < std::size(places); ++i) {
        const RgbColor color{0.1f * static_cast<float>(i), 0.5f, 1 - 0.1f * static_cast<float>(i)};
        surface.SetFillColor(color);
        surface.SetStrokeColor(color);
        if (i == 5) surface.SetLineWidth(1.5);
        place(places[i][0], places[i][1]);
      }
    };
    const auto stamped = Draw([&](CairoSurface& surface) {
      const auto stamp = surface.MakeStamp(marker.shape, marker.paint, 5);
      placings(surface, [&](double x, double y) { stamp->DrawAt(x, y); });
    });
    const auto painted = Draw([&](CairoSurface& surface) {
      placings(surface, [&](double x, double y) {
        surface.PaintPath(marker.shape, marker.paint, std::round(x * 100) / 100, std::round(y * 100) / 100);
      });
    });
    EXPECT_GT(Painted(painted), 30u) << marker.name;
    EXPECT_LE(LargestDifference(stamped, painted), 48) << marker.name;
  }
}

// A curve that swings up and down a hundred times, a point every 0.75 points, as the series
// of a long curved line chart does.
Path Swings() {
  Path path;
  double x0 = 5, y0 = 50;
  path.MoveTo(x0, y0);
  for (int k = 1; k <= 180; ++k) {
    const double x = 5 + 0.75 * k;
    const double y = 50 + (k % 2 == 0 ? 1 : -1) * (20 + 15 * std::sin(k / 7.0));
    // Level at each point, as a curve through the tops and bottoms of the swings is.
    path.CurveTo(x0 + 0.25, y0, x - 0.25, y, x, y);
    x0 = x, y0 = y;
  }
  return path;
}

// Sharp turns of a straight line, whose mitred corners a cut would lose.
Path Zigzag() {
  Path path;
  path.MoveTo(10, 20);
  for (int k = 1; k <= 40; ++k) path.LineTo(10 + 3 * k, k % 2 == 0 ? 20 : 25);
  for (int k = 1; k <= 30; ++k) path.LineTo(130 + 0.01 * k, 25 + 2 * k);
  return path;
}

// The path through the current path, given to cairo whole.
void StrokeWhole(CairoSurface& surface, const Path& path) {
  const std::vector<float>& n = path.numbers();
  std::size_t i = 0;
  for (const Path::Op op : path.ops()) {
    const auto v = [&](std::size_t k) { return std::round(n[i + k] * 100.0) / 100; };
    if (op == Path::Op::kMoveTo) surface.MoveTo(v(0), v(1)), i += 2;
    if (op == Path::Op::kLineTo) surface.LineTo(v(0), v(1)), i += 2;
    if (op == Path::Op::kCurveTo) surface.CurveTo(v(0), v(1), v(2), v(3), v(4), v(5)), i += 6;
  }
  surface.Stroke();
}

// A long line stroked in pieces looks like the line stroked whole: no corner is lost, and
// where pieces meet their ends blend within a quarter of a pixel's coverage. A dashed line
// keeps its dashes running on, exactly.
TEST(CairoSurfaceTest, LongLinesLookTheSameStrokedInPieces) {
  const std::vector<double> dash = {3, 2};
  const struct {
    const char* name;
    Path path;
    double width;
    bool dashed;
    int largest;
  } cases[] = {
      {"swings", Swings(), 1, false, 64},
      {"zigzag", Zigzag(), 3, false, 64},
      {"dashed swings", Swings(), 1, true, 0},
  };
  for (const auto& c : cases) {
    const auto pen = [&](CairoSurface& surface) {
      surface.SetStrokeColor({0.12f, 0.47f, 0.71f});
      surface.SetLineWidth(c.width);
      if (c.dashed) surface.SetDash(dash, 0);
    };
    const auto pieces = Draw([&](CairoSurface& surface) { pen(surface), surface.StrokePath(c.path); });
    const auto whole = Draw([&](CairoSurface& surface) { pen(surface), StrokeWhole(surface, c.path); });
    EXPECT_GT(Painted(whole), 500u) << c.name;
    EXPECT_LE(LargestDifference(pieces, whole), c.largest) << c.name;
  }
}

}  // namespace
}  // namespace corvane
