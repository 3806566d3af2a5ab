#include "render/text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render/color.h"
#include "support/recording_surface.h"
#include "support/test_run.h"

#include <string>

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

// Text beyond Windows-1252 is drawn in the installed family that matches the standard font,
// bold and italic kept, and measured by it; Windows-1252 text stays in the standard font.
TEST(TextTest, TextBeyondWindows1252TakesTheMatchingFamily) {
  const std::tuple<StandardFont, const char*> cases[] = {
      {StandardFont::kHelvetica, "DejaVuSans"},
      {StandardFont::kHelveticaBold, "DejaVuSans-Bold"},
      {StandardFont::kTimesItalic, "DejaVuSerif-Italic"},
      {StandardFont::kCourier, "DejaVuSansMono"},
  };
  const std::string greek = "\xCE\xA0\xCE\xBB";  // Πλ
  const std::string latin = "Caf\xC3\xA9";         // Café
  for (const auto& [standard, family] : cases) {
    testing::TestRun t;
    testing::RecordingSurface surface;
    TextFonts fonts(surface, t.settings, t.run.fonts, t.run.log);
    const Canvas canvas{surface, t.settings, t.data, t.run.scale, t.run.log, fonts};
    const FontSpec spec{12, standard, {0, 0, 0}, TextStyle::kNormal, {0, 0, 0}};
    const std::string name = StandardFontName(standard);
    const SizedFont font = ApplyFont(canvas, spec, {&greek});
    EXPECT_DOUBLE_EQ(font.Ascent(), 0.9 * 12) << family;  // the recording's TrueType faces stand taller
    EXPECT_DOUBLE_EQ(ApplyFont(canvas, spec, {&latin}).Ascent(), 0.75 * 12) << family;
    font.Show(10, 20, 0, greek);
    font.Show(10, 40, 0, latin);
    EXPECT_EQ(surface.Joined("font text"), "font " + name + " 12; font " + name + " 12; font " + family +
                                               " 12; text " + greek + " 10 20 0; font " + name + " 12; text " +
                                               latin + " 10 40 0")
        << family;
  }
}

// An empty range would divide by zero: it gives the from colour.
TEST(ColorTest, GradientOverAnEmptyRangeIsTheFromColour) {
  EXPECT_TRUE(SameColor(GradientColor({0, 0, 1}, {1, 0, 0}, 3, 3, 3), RgbColor{0, 0, 1}));
}

}  // namespace
}  // namespace corvane
