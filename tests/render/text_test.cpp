#include "render/text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render/color.h"
#include "support/recording_surface.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The stroke colour and rendering are set only when the outline shows: Stroke in another colour.
TEST(TextTest, ApplyFontSetsRenderingAndColoursByStyle) {
  // Text style and stroke colour of a red 12-point Helvetica-Bold, and what is set.
  const std::tuple<TextStyle, RgbColor, const char*> cases[] = {
      {TextStyle::kNormal, {0, 0, 1}, "font Helvetica-Bold 12; text-rendering fill; fill-color 1 0 0"},
      {TextStyle::kStroke, {0, 0, 1},
       "font Helvetica-Bold 12; text-rendering fill-then-stroke; stroke-color 0 0 1; fill-color 1 0 0"},
      {TextStyle::kStroke, {1, 0, 0}, "font Helvetica-Bold 12; text-rendering fill; fill-color 1 0 0"},
  };
  for (const auto& [style, stroke, expected] : cases) {
    testing::TestRun t;
    testing::RecordingSurface surface;
    TextFonts fonts(surface, t.settings, t.run.fonts, t.run.log);
    const FontSpec spec{12, StandardFont::kHelveticaBold, {1, 0, 0}, style, stroke};
    const SizedFont font = ApplyFont(Canvas{surface, t.settings, t.data, t.run.scale, t.run.log, fonts}, spec);
    EXPECT_EQ(surface.Joined(), expected);
    EXPECT_EQ(font.Width("abc"), 18);  // what the text drawn next is measured with
  }
}

// An empty range would divide by zero: it gives the from colour.
TEST(ColorTest, GradientOverAnEmptyRangeIsTheFromColour) {
  EXPECT_TRUE(SameColor(GradientColor({0, 0, 1}, {1, 0, 0}, 3, 3, 3), RgbColor{0, 0, 1}));
}

}  // namespace
}  // namespace corvane
