#include "render/text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render/color.h"
#include "support/pdf_page.h"
#include "support/test_run.h"

namespace corvane {
namespace {

// The stroke colour and mode are set only when the outline shows: Stroke in another colour.
TEST(TextTest, ApplyFontSetsModeAndColoursByStyle) {
  // Text style and stroke colour of a red 12-point Helvetica-Bold, and what is set on the page.
  const std::tuple<TextStyle, RgbColor, const char*> cases[] = {
      {TextStyle::kNormal, {0, 0, 1}, "/F1 12 Tf\n0 Tr\n1 0 0 rg\n"},
      {TextStyle::kStroke, {0, 0, 1}, "/F1 12 Tf\n2 Tr\n0 0 1 RG\n1 0 0 rg\n"},
      {TextStyle::kStroke, {1, 0, 0}, "/F1 12 Tf\n0 Tr\n1 0 0 rg\n"},
  };
  for (const auto& [style, stroke, expected] : cases) {
    testing::TestRun t;
    testing::PdfPage pdf;
    ApplyFont(pdf.CanvasFor(t.run), FontSpec{12, StandardFont::kHelveticaBold, {1, 0, 0}, style, stroke});
    EXPECT_EQ(testing::Describe(pdf.Ops()), expected);
  }
}

// An empty range would divide by zero: it gives the from colour.
TEST(ColorTest, GradientOverAnEmptyRangeIsTheFromColour) {
  EXPECT_TRUE(SameColor(GradientColor({0, 0, 1}, {1, 0, 0}, 3, 3, 3), RgbColor{0, 0, 1}));
}

}  // namespace
}  // namespace corvane
